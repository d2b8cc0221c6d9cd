#pragma once
// The yellow hint box of a screen shows one section at a time; screens with a table switch it
// to the section of the cell entered.
#include "controls/Textlbl.h"
#include "interview/Child.h"

namespace ftb::screens {

inline void ShowHintSection(const interview::TChildForm& screen, int section) {
    screen.Find<controls::TTextLbl>("TextLblYellowBox")->SetCurrentSection(section);
}

}  // namespace ftb::screens
