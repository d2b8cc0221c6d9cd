#pragma once
// The frame's own pictures: the picture at the top of the picture panel and the three section
// markers. They are drawn in code at whatever size the frame's resizer gives them.
#include <QWidget>

namespace ftb::interview {

enum class TFramePicture {
    Ledger,       // Image1: the picture panel's picture
    Information,  // IImage: an information screen
    Question,     // QImage: a question screen
    Form,         // FImage: a form to fill in
};

// Draws the picture into the rectangle, keeping its proportions and centred.
void DrawFramePicture(QPainter& painter, const QRectF& bounds, TFramePicture picture);

// A control that shows one of the pictures, scaled to its bounds.
class TPictureBox : public QWidget {
public:
    TPictureBox(QWidget* parent, TFramePicture picture);
    TFramePicture Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TFramePicture picture_;
};

}  // namespace ftb::interview
