#include "interview/LineChoice.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace ftb::interview {
namespace {

class TEnterChooses : public QObject {
public:
    TEnterChooses(QAbstractItemView& view, TLineChosen chosen)
        : QObject(&view), view_(view), chosen_(std::move(chosen)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &view_ || event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const QModelIndex line = view_.currentIndex();
        // The line's action may destroy the view (and this filter with it): nothing of either is
        // touched after it, as after a click.
        if (line.isValid()) {
            const TLineChosen chosen = chosen_;
            chosen(line);
        }
        return true;
    }

private:
    QAbstractItemView& view_;
    TLineChosen chosen_;
};

}  // namespace

void ChooseLines(QAbstractItemView& view, TChooseBy by, TLineChosen chosen) {
    view.installEventFilter(new TEnterChooses(view, chosen));
    if (by == TChooseBy::Click)
        QObject::connect(&view, &QAbstractItemView::clicked, &view, std::move(chosen));
    else
        QObject::connect(&view, &QAbstractItemView::doubleClicked, &view, std::move(chosen));
}

}  // namespace ftb::interview
