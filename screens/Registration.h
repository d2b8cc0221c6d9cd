#pragma once
// Makes the question screen classes known to the catalogue's registry.
namespace ftb::interview {
class TScreenRegistry;
}

namespace ftb::screens {

// Registers every screen class of the module under its catalogue class name.
void RegisterScreens(interview::TScreenRegistry& registry);

}  // namespace ftb::screens
