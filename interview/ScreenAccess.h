#pragma once
// The names a screen reader gives the controls of a shown screen.
namespace ftb::interview {

class TChildForm;

// Every control of the screen that takes the focus gets a name: a button, check box or radio
// button is named by its caption already; an entry field, grid, list or combo box without a
// name of its own by the text declared before it (the last line that text shows, without
// markup). The screen's yellow hint box, where it has one, becomes their description.
void NameScreenControls(TChildForm& screen);

}  // namespace ftb::interview
