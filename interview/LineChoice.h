#pragma once
// The one way every list and tree of the interview is worked: the arrows move through the lines
// (the view's own keys), and Enter or Return does what the mouse does to the current line. Used
// by the navigator, the worksheet panel, the select panel, the list boxes of the screens (the
// findings of the validate-and-complete screen) and the save dialog's lists.
#include <QModelIndex>
#include <functional>

class QAbstractItemView;

namespace ftb::interview {

// What the mouse does to choose a line: a click, or (where a click only marks it) a double click.
enum class TChooseBy { Click, DoubleClick };

using TLineChosen = std::function<void(const QModelIndex& line)>;

// Runs `chosen` for the line the mouse chooses (as `by` says) and for the current line on Enter
// or Return, which the view then does not see. As with a click, `chosen` may destroy the view.
void ChooseLines(QAbstractItemView& view, TChooseBy by, TLineChosen chosen);

}  // namespace ftb::interview
