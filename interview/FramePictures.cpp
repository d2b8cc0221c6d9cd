#include "interview/FramePictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ftb::interview {
namespace {

// Every picture is drawn on a logical canvas of this size, then fitted into its bounds.
QSizeF LogicalSize(TFramePicture picture) {
    return picture == TFramePicture::Ledger ? QSizeF(160, 100) : QSizeF(100, 100);
}

void DrawLedger(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 100);
    sky.setColorAt(0, QColor(0x9C, 0xC8, 0xEE));
    sky.setColorAt(1, QColor(0xE8, 0xF2, 0xFB));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, 160, 100), 8, 8);
    p.setBrush(QColor(0xFF, 0xD2, 0x4A));
    p.drawEllipse(QPointF(130, 22), 11, 11);

    // An open ledger: two pages either side of the spine, ruled, with a column of figures.
    const QColor ink(0x4A, 0x5A, 0x78);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    QPolygonF left({{18, 38}, {78, 44}, {78, 92}, {18, 86}});
    QPolygonF right({{82, 44}, {142, 38}, {142, 86}, {82, 92}});
    p.drawPolygon(left);
    p.drawPolygon(right);
    p.setPen(QPen(QColor(0x9A, 0xB4, 0xD6), 1));
    for (int line = 0; line < 5; ++line) {
        const double dy = 8.0 * line;
        p.drawLine(QPointF(24, 50 + dy), QPointF(72, 55 + dy));
        p.drawLine(QPointF(88, 55 + dy), QPointF(136, 50 + dy));
    }
    p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 1));
    p.drawLine(QPointF(120, 42), QPointF(120, 88));
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(80, 44), QPointF(80, 93));

    // A family of three standing behind the book.
    p.setPen(Qt::NoPen);
    const QColor people[] = {QColor(0x2E, 0x6B, 0xB0), QColor(0xC0, 0x4A, 0x6A),
                             QColor(0x3C, 0x9A, 0x5A)};
    const QPointF heads[] = {{46, 14}, {66, 16}, {56, 26}};
    const double sizes[] = {7, 6.5, 5};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(people[i]);
        p.drawEllipse(heads[i], sizes[i], sizes[i]);
        p.drawRoundedRect(QRectF(heads[i].x() - sizes[i] * 1.3, heads[i].y() + sizes[i] + 1,
                                 sizes[i] * 2.6, sizes[i] * 3),
                          3, 3);
    }
}

void DrawDisc(QPainter& p, const QColor& colour) {
    QLinearGradient shade(0, 0, 0, 100);
    shade.setColorAt(0, colour.lighter(130));
    shade.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(150), 3));
    p.setBrush(shade);
    p.drawEllipse(QRectF(4, 4, 92, 92));
}

void DrawInformation(QPainter& p) {
    DrawDisc(p, QColor(0x2F, 0x6F, 0xC8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 28), 8, 8);
    p.drawRoundedRect(QRectF(42, 42, 16, 38), 4, 4);
}

void DrawQuestion(QPainter& p) {
    DrawDisc(p, QColor(0x2E, 0x9A, 0x4E));
    QPainterPath hook;
    hook.moveTo(34, 38);
    hook.cubicTo(34, 18, 66, 18, 66, 36);
    hook.cubicTo(66, 48, 50, 50, 50, 62);
    p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 79), 7, 7);
}

void DrawForm(QPainter& p) {
    const QColor ink(0x4A, 0x5A, 0x78);
    QPolygonF page({{20, 6}, {66, 6}, {82, 22}, {82, 94}, {20, 94}});
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    p.setBrush(QColor(0xD8, 0xE2, 0xF0));
    p.drawPolygon(QPolygonF({{66, 6}, {66, 22}, {82, 22}}));
    p.setPen(QPen(QColor(0x9A, 0xB4, 0xD6), 4, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const double y = 36 + 14.0 * line;
        p.drawLine(QPointF(30, y), QPointF(line == 3 ? 52 : 72, y));
    }
    p.setPen(QPen(QColor(0xC0, 0x30, 0x30), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{56, 80}, {64, 88}, {80, 68}}));
}

}  // namespace

void DrawFramePicture(QPainter& painter, const QRectF& bounds, TFramePicture picture) {
    const QSizeF logical = LogicalSize(picture);
    if (bounds.width() <= 0 || bounds.height() <= 0) return;
    const double scale =
        std::min(bounds.width() / logical.width(), bounds.height() / logical.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(bounds.x() + (bounds.width() - logical.width() * scale) / 2,
                      bounds.y() + (bounds.height() - logical.height() * scale) / 2);
    painter.scale(scale, scale);
    switch (picture) {
    case TFramePicture::Ledger: DrawLedger(painter); break;
    case TFramePicture::Information: DrawInformation(painter); break;
    case TFramePicture::Question: DrawQuestion(painter); break;
    case TFramePicture::Form: DrawForm(painter); break;
    }
    painter.restore();
}

TPictureBox::TPictureBox(QWidget* parent, TFramePicture picture)
    : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TPictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawFramePicture(painter, QRectF(rect()), picture_);
}

}  // namespace ftb::interview
