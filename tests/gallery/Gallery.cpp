// Lays out the controls in their usual states on one form of the screens' design size and
// writes the form as a PNG: ftb_gallery OUTPUT.png. Run it offscreen and look at the picture
// after changing how a control draws.
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "controls/TaxEdit.h"
#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "platform/RecordingDialogs.h"

namespace {

using namespace ftb::controls;

constexpr int kFormWidth = 630;
constexpr int kFormHeight = 482;
constexpr TColor kHintYellow = 9502719;

TTextLbl* AddText(QWidget& form, ftb::platform::Dialogs& dialogs, const QRect& bounds,
                  std::vector<std::string> lines) {
    auto* label = new TTextLbl(&form, dialogs);
    label->setGeometry(bounds);
    label->SetTransparent(true);
    label->SetText(std::move(lines));
    label->Loaded();
    label->show();
    return label;
}

void AddQuestion(QWidget& form, ftb::platform::Dialogs& dialogs) {
    AddText(form, dialogs, {10, 8, 610, 70},
            {"<T1;S12>Your income details<.>",
             "<y4><L10><X0>\x95<X10>have been an <C12;J512>Australian resident for social security "
             "purposes<.> or the holder of an approved visa for the",
             "purposes of FTB", "<X0>Enter the amounts for the <T1>2002<.> income year:"});
}

// One kind of entry field: its caption, a field without the focus and, beside it, a picture of
// the same field while it has the focus (only one control of a form can have it at a time).
struct TFieldRow {
    const char* Caption;
    TNumericType Kind;
    const char* Text;
};

void AddFieldRow(QWidget& form, ftb::platform::Dialogs& dialogs, const TFieldRow& row, int y) {
    AddText(form, dialogs, {10, y + 3, 200, 18}, {std::string("<AR;X200>") + row.Caption});
    auto makeField = [&](int x) {
        auto* field = new TTaxEdit(&form, dialogs);
        field->setGeometry(x, y, 130, 22);
        field->SetNumericType(row.Kind);
        field->AssignText(row.Text);
        field->show();
        return field;
    };
    makeField(220);
    TTaxEdit* focused = makeField(370);
    focused->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    auto* picture = new QLabel(&form);
    picture->setGeometry(focused->geometry());
    picture->setPixmap(focused->grab());
    picture->show();
    focused->hide();
}

void AddFields(QWidget& form, ftb::platform::Dialogs& dialogs) {
    AddText(form, dialogs, {220, 90, 300, 18}, {"<T1>Without the focus<X150>With the focus<.>"});
    const TFieldRow rows[] = {
        {"Taxable income", ntCurrency, "45000"},
        {"Date of birth", ntDate, "01/07/2001"},
        {"Tax file number", ntTFN, "123456782"},
    };
    int y = 112;
    for (const TFieldRow& row : rows) {
        AddFieldRow(form, dialogs, row, y);
        y += 28;
    }
}

TXGrid* AddGrid(QWidget& form, ftb::platform::Dialogs& dialogs) {
    auto* grid = new TXGrid(&form, dialogs);
    grid->setGeometry(10, 205, 610, 130);
    grid->SetColCount(3);
    grid->SetDisplay({"Name of spouse|0|0|30",
                      "Marital status|2|0|150||F|T|0||||4|1|4|Married|Separated|Divorced|Widowed|",
                      "Start\rdate|2|2|10||F|F||-1|0|"});
    grid->SetTitleLines(2);
    grid->Loaded();
    grid->SetColWidths(0, 260);
    grid->SetColWidths(1, 200);
    grid->SetColWidths(2, 120);
    const ftb::data::TextList cells{"Dick",  "Married",   "01/07/2001",
                                    "Harry", "Separated", "15/03/2002"};
    grid->LoadFromList(&cells);
    grid->show();
    return grid;
}

void AddHintBox(QWidget& form, ftb::platform::Dialogs& dialogs) {
    TTextLbl* hint = AddText(form, dialogs, {10, 400, 610, 60},
                             {"<s1><T1>Taxable income<.>",
                              "<s1>Enter the amount in whole dollars, as shown on your "
                              "<C12;J600>notice of assessment<.>.",
                              "<s2>This paragraph belongs to another cell and is not shown."});
    hint->SetTransparent(false);
    hint->SetColor(kHintYellow);
    hint->SetBevelOuter(TBevelCut::bvLowered);
    hint->SetCalculateHeight(true);
    hint->SetParentBottomMargin(10);
    hint->SetCurrentSection(1);
}

int Run(const QString& path) {
    ftb::platform::RecordingDialogs dialogs;
    QWidget form;
    form.setFixedSize(kFormWidth, kFormHeight);
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fputs("ftb_gallery: the form did not become active\n", stderr);
        return 1;
    }
    AddQuestion(form, dialogs);
    AddFields(form, dialogs);
    TXGrid* grid = AddGrid(form, dialogs);
    AddHintBox(form, dialogs);
    grid->GoToCell(1, 2);
    QApplication::processEvents();  // the labels fit their heights in their first paint
    QApplication::processEvents();
    for (const ftb::platform::MessageBox& box : dialogs.shown) {
        std::fprintf(stderr, "ftb_gallery: unexpected box \"%s\": %s\n", box.title.c_str(),
                     box.text.c_str());
    }
    if (!dialogs.shown.empty()) return 1;
    if (!form.grab().save(path)) {
        std::fprintf(stderr, "ftb_gallery: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: ftb_gallery OUTPUT.png\n", stderr);
        return 2;
    }
    try {
        return Run(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ftb_gallery: %s\n", error.what());
        return 1;
    }
}
