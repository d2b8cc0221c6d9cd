#include "tools/ftb-host/ShownText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "tools/ftb-host/Controls.h"

namespace ftb::host {
namespace {

// One piece of text as painted: its baseline start and width in device pixels.
struct TextRun {
    double x = 0;
    double width = 0;
    QString text;
};

// A paint engine that draws nothing and keeps the texts it is asked to draw.
class TextRecordingEngine : public QPaintEngine {
  public:
    TextRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    // Baseline (rounded) -> the runs on it.
    std::map<long, std::vector<TextRun>> lines;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QPointF at = transform_.map(p);
        lines[std::lround(at.y())].push_back(
            {at.x(), item.width() * transform_.m11(), item.text()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRect*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawEllipse(const QRect&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawPoints(const QPoint*, int) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    Type type() const override { return QPaintEngine::User; }

  private:
    QTransform transform_;
};

// A surface of the widget's size at the screen's 96 dots per inch that only records text.
class TextRecorder : public QPaintDevice {
  public:
    explicit TextRecorder(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    TextRecordingEngine& Engine() { return engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        constexpr int kDpi = 96;
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return size_.width() * 254 / (10 * kDpi);
            case PdmHeightMM:
                return size_.height() * 254 / (10 * kDpi);
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return kDpi;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

  private:
    QSize size_;
    mutable TextRecordingEngine engine_;
};

}  // namespace

QString PaintedText(QWidget* widget) {
    TextRecorder recorder(widget->size().expandedTo(QSize(1, 1)));
    widget->render(&recorder, QPoint(), QRegion(), QWidget::DrawChildren);
    QStringList lines;
    for (auto& [baseline, runs] : recorder.Engine().lines) {
        std::stable_sort(runs.begin(), runs.end(),
                         [](const TextRun& a, const TextRun& b) { return a.x < b.x; });
        QString line;
        double end = 0;
        for (const TextRun& run : runs) {
            if (!line.isEmpty() && run.x > end + 1.0) line += u' ';
            line += run.text;
            end = run.x + run.width;
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

bool IsPaintedText(QWidget* control) {
    return qobject_cast<QAbstractButton*>(control) == nullptr &&
           qobject_cast<QLabel*>(control) == nullptr &&
           qobject_cast<QLineEdit*>(control) == nullptr &&
           qobject_cast<QPlainTextEdit*>(control) == nullptr &&
           qobject_cast<QTextEdit*>(control) == nullptr &&
           qobject_cast<QComboBox*>(control) == nullptr;
}

bool MatchesByWords(QWidget* control) { return control->isWindow() || IsPaintedText(control); }

QString ShownText(QWidget* control) {
    if (control->isWindow()) return control->windowTitle();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->displayText();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) return box->toPlainText();
    if (auto* box = qobject_cast<QTextEdit*>(control)) return box->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    return PaintedText(control);
}

QString Words(const QString& text) { return text.simplified(); }

QString ScriptQuoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'"':
                quoted += QStringLiteral("\\\"");
                break;
            case u'\\':
                quoted += QStringLiteral("\\\\");
                break;
            case u'\r':
                quoted += QStringLiteral("\\r");
                break;
            case u'\n':
                quoted += QStringLiteral("\\n");
                break;
            case u'\t':
                quoted += QStringLiteral("\\t");
                break;
            default:
                quoted += c;
        }
    }
    return quoted + u'"';
}

QString CellText(const QTableWidget* grid, int col, int row) {
    RequireCell(grid, col, row);
    return grid->model()->index(row - 1, col).data(Qt::DisplayRole).toString();
}

}  // namespace ftb::host
