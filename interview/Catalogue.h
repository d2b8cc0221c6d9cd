#pragma once
// The screen catalogue: the 57 screen numbers of the interview with the class that serves each,
// its caption, help context and section marker; and the registry through which the screen
// classes make themselves known. A number outside the catalogue, or one whose class has not been
// registered, yields no screen: the frame reports it as the exit screen number.
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>

namespace ftb::interview {

class TChildForm;
struct TScreenContext;

struct TScreenEntry {
    int Number;
    const char* ClassName;
    const char* Caption;  // Windows-1252
    int HelpContext;
    int Marker;  // kQuestionMarker, kFormMarker or kInformationMarker
};

// All 57 entries in screen number order.
std::span<const TScreenEntry> ScreenCatalogue();
// The entry of a screen number; null outside the catalogue.
const TScreenEntry* FindScreenEntry(int number);

// Makes a new screen object of one class; the catalogue then gives it its caption, help context
// and marker and runs its create handler.
using TScreenFactory = std::function<std::unique_ptr<TChildForm>(TScreenContext& context)>;

class TScreenRegistry {
public:
    // Registers (or replaces) the factory of a class of the catalogue.
    void Register(const std::string& className, TScreenFactory factory);
    bool IsRegistered(const std::string& className) const;

    // A new screen for the number, its create handler run; null when the number is not in the
    // catalogue or its class is not registered. Each call makes a fresh object.
    std::unique_ptr<TChildForm> CreateScreen(int number, TScreenContext& context) const;

private:
    std::map<std::string, TScreenFactory, std::less<>> factories_;
};

}  // namespace ftb::interview
