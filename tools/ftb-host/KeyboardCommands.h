#pragma once
// The keyboard commands of the scenario scripts: `keys "TEXT"` types into whatever has the
// focus, as a person does who does not point, and `expect focus NAME` checks where the focus is.
//
// Key notation of `keys`: every character stands for itself; a key without a character, or a
// key with modifiers, is written in braces, e.g. {Tab} {Shift+Tab} {Enter} {Esc} {Space}
// {Up} {Down} {Left} {Right} {Home} {End} {PgUp} {PgDown} {Backspace} {Del} {Ins} {F1}..{F12},
// {Alt+N} {Alt+Down} {Ctrl+Tab} {Ctrl+Delete}; {{} and {}} type the braces themselves.
#include <QString>
#include <Qt>
#include <vector>

namespace ftb::host {

struct KeyStroke {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    QString text;  // the character a plain key types (empty for a named key)
};

// The keys of a `keys` text; throws std::invalid_argument naming what cannot be read.
std::vector<KeyStroke> ParseKeyNotation(const QString& notation);

// Sends each key to the widget that has the focus at that moment, letting what the key posts
// happen before the next one. EStepFailure when no control has the focus.
void PressKeysInFocus(const std::vector<KeyStroke>& keys);

// The control with the focus must answer to `name` (its object name, or that of the nearest
// named widget it is part of, such as a grid around its cell editor), and its window must be
// the active one. EStepFailure otherwise.
void ExpectFocus(const QString& name);

}  // namespace ftb::host
