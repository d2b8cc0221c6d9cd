// The parts of ftb-host that act as the person and as the host, each on real Qt widgets and
// real files: answering message and input boxes, reading what a control shows, typing and
// clicking, finding controls by name, the timing figures, and the return files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>
#include <string>
#include <vector>

#include "controls/TaxEdit.h"
#include "controls/XGrid.h"
#include "platform/ScriptedDialogs.h"
#include "tools/ftb-host/BareWindow.h"
#include "tools/ftb-host/BoxAnswerer.h"
#include "tools/ftb-host/Controls.h"
#include "tools/ftb-host/ExceptionBoxes.h"
#include "tools/ftb-host/ModuleRun.h"
#include "tools/ftb-host/ReturnFiles.h"
#include "tools/ftb-host/ScreenParts.h"
#include "tools/ftb-host/ShownText.h"
#include "tools/ftb-host/Timings.h"
#include "tools/ftb-host/UserInput.h"

namespace ftb::host {
namespace {

class FtbHostParts : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_ftbhost_parts";
        static char* argv[] = {name, nullptr};
        static QApplication* application = new QApplication(argc, argv);
        (void)application;
    }

    // A window shown and made active, as a person's window is.
    static std::unique_ptr<QWidget> Window() {
        auto window = std::make_unique<QWidget>();
        window->setLayout(new QVBoxLayout);
        return window;
    }
    static void Show(QWidget& window) {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
    }

    // An answer or input line as the script reader makes it, at line 2.
    static ScriptCommand Line(const char* line) {
        return ParseScript(QStringLiteral("start\n") + QString::fromUtf8(line) +
                               QStringLiteral("\nclick BtnNext\n"),
                           QStringLiteral("t.play"))[1];
    }
};

// --- the boxes -------------------------------------------------------------------------------

TEST_F(FtbHostParts, TheQueuedAnswerPressesItsButtonInTheRealBox) {
    BoxAnswerer answerer;
    std::vector<int> answered;
    answerer.OnAnswered = [&](const ScriptCommand& line) { answered.push_back(line.line); };
    answerer.Queue(
        Line("answer No \"Warning You Are About to Delete Data\" \"data will be lost\""));
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Warning You Are About to Delete Data"),
        QStringLiteral("Are you sure?\nIf you select \"Yes\" all FTB data will be lost."),
        QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.exec(), QMessageBox::No);
    EXPECT_EQ(answered, std::vector<int>{2});
    EXPECT_FALSE(answerer.Failure());
    EXPECT_TRUE(answerer.TakeUnconsumed().empty());
}

TEST_F(FtbHostParts, LineBreaksOfTheBoxTextMatchAnyWayTheScriptWritesThem) {
    BoxAnswerer answerer;
    answerer.Queue(Line("answer OK * \"disabled.\\r\\n\\r\\nPlease\""));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    QStringLiteral("has been disabled.\n\nPlease work forward"), QMessageBox::Ok);
    EXPECT_EQ(box.exec(), QMessageBox::Ok);
    EXPECT_FALSE(answerer.Failure());
}

TEST_F(FtbHostParts, ABoxThatDoesNotMatchIsClosedAndReportedInFull) {
    BoxAnswerer answerer;
    answerer.Queue(Line("answer Yes \"Question\""));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                    QStringLiteral("Unable to open file - /tmp/R.TAX\r\nsecond line"),
                    QMessageBox::Ok);
    box.exec();
    ASSERT_TRUE(answerer.Failure());
    EXPECT_EQ(answerer.Failure()->line, 2);
    EXPECT_EQ(answerer.Failure()->message.toStdString(),
              "expected a box titled \"Question\" with a Yes button, saw the box \"Error\": "
              "\"Unable to open file - /tmp/R.TAX\\nsecond line\" [OK]");

    // Every later box is closed unanswered, and the first failure stays.
    QMessageBox next(QMessageBox::Question, QStringLiteral("Question"), QStringLiteral("Go on?"),
                     QMessageBox::Yes | QMessageBox::No);
    next.exec();
    EXPECT_EQ(answerer.Failure()->line, 2);
}

TEST_F(FtbHostParts, ABoxNobodyExpectedFailsTheAction) {
    BoxAnswerer answerer;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                    QStringLiteral("You must complete this section before saving."),
                    QMessageBox::Ok);
    box.exec();
    ASSERT_TRUE(answerer.Failure());
    EXPECT_EQ(answerer.Failure()->line, 0);
    EXPECT_EQ(answerer.Failure()->message.toStdString(),
              "no box was expected, the box \"Warning\": \"You must complete this section before "
              "saving.\" [OK] was shown");
}

TEST_F(FtbHostParts, InputLinesTypeIntoTheInputBoxOrCancelIt) {
    BoxAnswerer answerer;
    answerer.Queue(Line("input \"Sam Smith\""));
    answerer.Queue(Line("input cancel"));
    QInputDialog first;
    first.setWindowTitle(QStringLiteral("Spouse"));
    ASSERT_EQ(first.exec(), QDialog::Accepted);
    EXPECT_EQ(first.textValue(), QStringLiteral("Sam Smith"));
    QInputDialog second;
    EXPECT_EQ(second.exec(), QDialog::Rejected);
    EXPECT_FALSE(answerer.Failure());

    // An answer line does not answer an input box.
    answerer.Queue(Line("answer OK"));
    QInputDialog third;
    third.setWindowTitle(QStringLiteral("Name"));
    third.setLabelText(QStringLiteral("Who?"));
    EXPECT_EQ(third.exec(), QDialog::Rejected);
    ASSERT_TRUE(answerer.Failure());
    EXPECT_EQ(answerer.Failure()->message.toStdString(),
              "expected a box with a OK button, saw the input box \"Name\": \"Who?\"");
}

// --- what a control shows --------------------------------------------------------------------

// Paints its words in runs, as the marked-up text does: tab stops and font changes make runs.
class RunsOfText : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(QPoint(10, 20), QStringLiteral("Step 1"));
        painter.drawText(QPoint(70, 20), QStringLiteral("Are you eligible?"));
        const QString first = QStringLiteral("If  ");
        painter.drawText(QPoint(10, 40), first);
        painter.drawText(QPoint(10 + painter.fontMetrics().horizontalAdvance(first), 40),
                         QStringLiteral("Yes"));
    }
};

TEST_F(FtbHostParts, APaintedTextReadsLineByLineWithRunsJoined) {
    QWidget holder;
    holder.resize(400, 200);
    auto* text = new RunsOfText;
    text->setParent(&holder);
    text->setGeometry(30, 50, 300, 60);
    EXPECT_EQ(PaintedText(text).toStdString(), "Step 1 Are you eligible?\nIf  Yes");
    EXPECT_EQ(PaintedText(&holder).toStdString(), "Step 1 Are you eligible?\nIf  Yes");
    EXPECT_TRUE(IsPaintedText(text));
    EXPECT_EQ(Words(QStringLiteral(" If  Yes\n you ")), QStringLiteral("If Yes you"));
}

TEST_F(FtbHostParts, ControlsWithATextShowItAsItStands) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ledgra'2002 - /tmp/COPY.TAX"));
    auto* button = new QPushButton(QStringLiteral("&Next"), &window);
    auto* edit = new QLineEdit(QStringLiteral("01/07/2001"), &window);
    auto* notes = new QPlainTextEdit(QStringLiteral("one\ntwo"), &window);
    EXPECT_EQ(ShownText(button), QStringLiteral("&Next"));
    EXPECT_EQ(ShownText(edit), QStringLiteral("01/07/2001"));
    EXPECT_EQ(ShownText(notes), QStringLiteral("one\ntwo"));
    EXPECT_FALSE(IsPaintedText(button));
    EXPECT_FALSE(MatchesByWords(button));
    // A window shows its caption, which names the file: a script looks for words in it.
    EXPECT_EQ(ShownText(&window), QStringLiteral("Ledgra'2002 - /tmp/COPY.TAX"));
    EXPECT_TRUE(MatchesByWords(&window));
    EXPECT_EQ(ScriptQuoted(QStringLiteral("a \"b\"\\\r\n\t")),
              QStringLiteral("\"a \\\"b\\\"\\\\\\r\\n\\t\""));
}

// --- what the person does --------------------------------------------------------------------

TEST_F(FtbHostParts, TypingReplacesWhatTheFieldHoldsAndTabsOut) {
    auto window = Window();
    auto* name = new QLineEdit(QStringLiteral("old text"));
    auto* next = new QLineEdit;
    auto* notes = new QPlainTextEdit(QStringLiteral("gone"));
    window->layout()->addWidget(name);
    window->layout()->addWidget(next);
    window->layout()->addWidget(notes);
    Show(*window);

    TypeInto(name, QStringLiteral("Zo\u00eb Smith"));
    EXPECT_EQ(name->text(), QStringLiteral("Zo\u00eb Smith"));
    EXPECT_EQ(QApplication::focusWidget(), next);

    // A multi-line box takes line breaks as Return and keeps the focus.
    TypeInto(notes, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(QApplication::focusWidget(), notes);

    PressKeys(name, QKeySequence(QStringLiteral("End")));
    PressKeys(name, QKeySequence(QStringLiteral("Backspace")));
    EXPECT_EQ(name->text(), QStringLiteral("Zo\u00eb Smit"));
}

TEST_F(FtbHostParts, AProbeTellsWhatAnEntryFieldTakesAndLeavesItEmpty) {
    using controls::TNumericType;
    struct Case {
        TNumericType kind;
        const char* name;
        EntryKind expected;
    };
    const Case cases[] = {
        {controls::ntNone, "TaxEdit1", EntryKind::Text},
        {controls::ntDate, "TaxEditDOB", EntryKind::Date},
        {controls::ntCurrency, "TaxEdit7", EntryKind::Number},
        {controls::ntNumeric, "TaxEditMultiBirth", EntryKind::Number},
        {controls::ntTFN, "TaxeditTFN", EntryKind::TaxFileNumber},
        {controls::ntSpecial, "TaxEdit9", EntryKind::Nothing},  // takes no key at all
    };
    platform::ScriptedDialogs dialogs;
    dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = Window();
        auto* field = new controls::TTaxEdit(window.get(), dialogs);
        field->SetNumericType(c.kind);
        field->setObjectName(QLatin1String(c.name));
        field->SetText("12");
        window->layout()->addWidget(field);
        window->layout()->addWidget(new QLineEdit);
        Show(*window);
        EXPECT_EQ(ProbeEntry(field, field->objectName()), c.expected);
        EXPECT_EQ(field->text(), QString());
    }
}

TEST_F(FtbHostParts, AClickLandsWhereTheControlTakesIt) {
    auto window = Window();
    auto* check = new QCheckBox(QStringLiteral("x"));
    check->setMinimumWidth(400);  // the middle of the control is far from its box
    auto* button = new QPushButton(QStringLiteral("&Yes"));
    window->layout()->addWidget(check);
    window->layout()->addWidget(button);
    Show(*window);
    QSignalSpy clicked(button, &QPushButton::clicked);
    ClickButton(check);
    ClickButton(button);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(FtbHostParts, ListLinesAndNodesAreClickedByTheirText) {
    auto window = Window();
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("ListBoxFFS"));
    list->addItems({QStringLiteral("Sam"), QStringLiteral("** Create new worksheet **")});
    auto* tree = new QTreeWidget;
    auto* section = new QTreeWidgetItem(tree, {QStringLiteral("Spouses")});
    new QTreeWidgetItem(section, {QStringLiteral("Spouse details")});
    new QTreeWidgetItem(tree, {QStringLiteral("Your details")});
    window->layout()->addWidget(list);
    window->layout()->addWidget(tree);
    Show(*window);

    QSignalSpy lines(list, &QListWidget::itemClicked);
    ClickListLine(list, QStringLiteral("** Create new worksheet **"));
    ASSERT_EQ(lines.count(), 1);
    EXPECT_EQ(list->currentRow(), 1);
    try {
        ClickListLine(list, QStringLiteral("Zoe"));
        ADD_FAILURE() << "a missing line was clicked";
    } catch (const EStepFailure& failure) {
        EXPECT_STREQ(failure.what(),
                     "ListBoxFFS has no line \"Zoe\" (its lines: \"Sam\", \"** Create new "
                     "worksheet **\")");
    }

    QSignalSpy nodes(tree, &QTreeWidget::itemClicked);
    ClickNode(QStringLiteral("Your details"));
    ASSERT_EQ(nodes.count(), 1);
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Your details"));
    // A node inside a closed section is not there to click.
    EXPECT_THROW(ClickNode(QStringLiteral("Spouse details")), EStepFailure);
}

TEST_F(FtbHostParts, ACellReadsAsShownAndItsPickListAsItDropsDown) {
    auto window = Window();
    platform::ScriptedDialogs dialogs;
    dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
    auto* grid = new controls::TXGrid(nullptr, dialogs);
    grid->setObjectName(QStringLiteral("XGrid1"));
    window->layout()->addWidget(grid);
    grid->SetColCount(2);
    grid->SetDisplay({"Status|2|0|150||F|T|0||||4|1|4|Dick|Harry|Tom|Single|",
                      "Start\rdate|2|2|10||F|F||-1|0|"});
    grid->Loaded();
    // The screen builds the list each time it drops down.
    int drops = 0;
    grid->OnPicklistDropdown = [&](QObject* sender, int, int, data::TextList& items) {
        if (sender == grid) return;  // entering or leaving the cell, not dropping it down
        items = {"Single", "Ann  Lee (TFN Exempt)", "Drop " + std::to_string(++drops)};
    };
    grid->SetCells(1, 2, "01/07/2001");
    Show(*window);

    EXPECT_EQ(CellText(grid, 1, 2), QStringLiteral("01/07/2001"));
    EXPECT_EQ(CellText(grid, 0, 1), QString());
    EXPECT_THROW(CellText(grid, 2, 1), EStepFailure);

    EXPECT_EQ(PicklistItems(grid, 0, 1),
              (QStringList{QStringLiteral("Single"), QStringLiteral("Ann  Lee (TFN Exempt)"),
                           QStringLiteral("Drop 1")}));
    EXPECT_FALSE(grid->PicklistOpen());
    EXPECT_EQ(grid->Cells(0, 1), "");  // closed without taking an item
    EXPECT_EQ(PicklistItems(grid, 0, 1).last(), QStringLiteral("Drop 2"));
    // A column without a list drops nothing down.
    EXPECT_THROW(PicklistItems(grid, 1, 1), EStepFailure);
    for (const std::string& unmet : dialogs.Unmet()) ADD_FAILURE() << unmet;
}

TEST_F(FtbHostParts, APressIsThePressAloneWithNoClickAfterIt) {
    auto window = Window();
    auto* radio = new QRadioButton(QStringLiteral("Yes"));
    radio->setMinimumWidth(400);
    window->layout()->addWidget(radio);
    Show(*window);
    QSignalSpy pressed(radio, &QAbstractButton::pressed);
    QSignalSpy clicked(radio, &QAbstractButton::clicked);
    PressButton(radio);
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(radio->isChecked());
    EXPECT_FALSE(radio->isDown());
}

// --- finding controls ------------------------------------------------------------------------

TEST_F(FtbHostParts, ANameMeansTheOneVisibleControlOrTheOneInTheActiveWindow) {
    auto main = Window();
    auto* mainSave = new QPushButton(QStringLiteral("Save"));
    mainSave->setObjectName(QStringLiteral("SaveBtn"));
    main->layout()->addWidget(mainSave);
    auto dialog = Window();
    auto* dialogSave = new QPushButton(QStringLiteral("&Save"));
    dialogSave->setObjectName(QStringLiteral("SaveBtn"));
    auto* hidden = new QPushButton(QStringLiteral("&Next"));
    hidden->setObjectName(QStringLiteral("BtnNext"));
    dialog->layout()->addWidget(dialogSave);
    dialog->layout()->addWidget(hidden);
    hidden->hide();
    Show(*main);
    Show(*dialog);

    EXPECT_EQ(FindControl(QStringLiteral("SaveBtn")), dialogSave);
    QApplication::setActiveWindow(main.get());
    EXPECT_EQ(FindControl(QStringLiteral("SaveBtn")), mainSave);
    EXPECT_EQ(ControlsNamed(QStringLiteral("SaveBtn")).size(), 2u);

    EXPECT_EQ(FindControl(QStringLiteral("BtnNext"), Match::Name, true), hidden);
    try {
        FindControl(QStringLiteral("BtnNext"));
        ADD_FAILURE() << "a hidden control was found";
    } catch (const EStepFailure& failure) {
        EXPECT_STREQ(failure.what(), "BtnNext is hidden");
    }
    hidden->show();
    EXPECT_EQ(FindControl(QStringLiteral("&Next"), Match::NameOrCaption), hidden);
    EXPECT_EQ(FindControl(QStringLiteral("Next"), Match::NameOrCaption), hidden);
    EXPECT_THROW(FindControl(QStringLiteral("Next")), EStepFailure);
    hidden->setEnabled(false);
    try {
        FindUsableControl(QStringLiteral("BtnNext"));
        ADD_FAILURE() << "a disabled control was usable";
    } catch (const EStepFailure& failure) {
        EXPECT_STREQ(failure.what(), "BtnNext is disabled");
    }
}

// --- timings and the host's files -----------------------------------------------------------

TEST(FtbHostExplorer, AnErrorBoxReportsAnExceptionByItsMessage) {
    struct Case {
        const char* title;
        const char* text;
        bool exception;
    };
    const Case cases[] = {
        {"Error", "vector::_M_range_check: __n (which is 3) >= this->size() (which is 3)", true},
        {"Error", "basic_string::substr: __pos (which is 9) > this->size() (which is 2)", true},
        {"Error", "stoi", true},
        {"Error", "std::bad_alloc", true},
        {"Error", "bad optional access", true},
        {"Error", "Unexpected error", true},
        {"Error", "Range check error", true},
        {"Error", "The screen has no control XGrid1", true},
        // What the claimant is asked to correct, and boxes of other titles.
        {"Error", "Please enter the \"Family Name\" for this spouse.", false},
        {"Error", "Please enter a date between 01/07/2001 and 30/06/2002.", false},
        {"Warning", "stoi", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsExceptionReport(QLatin1String(c.title), QString::fromUtf8(c.text)),
                  c.exception)
            << c.text;
}

TEST(FtbHostTimings, SpreadIsMedianNearestRankPercentileAndMaximum) {
    struct Case {
        std::vector<double> ms;
        Spread spread;
    };
    std::vector<double> twenty;
    for (int i = 20; i >= 1; --i) twenty.push_back(i);
    const Case cases[] = {
        {{}, {0, 0, 0}},
        {{5}, {5, 5, 5}},
        {{4, 1, 3, 2}, {2.5, 4, 4}},
        {twenty, {10.5, 19, 20}},
    };
    for (const Case& c : cases) {
        const Spread spread = SpreadOf(c.ms);
        EXPECT_EQ(spread.median, c.spread.median);
        EXPECT_EQ(spread.p95, c.spread.p95);
        EXPECT_EQ(spread.max, c.spread.max);
    }
    EXPECT_GT(PeakResidentKiB(), 0);
}

TEST_F(FtbHostParts, TheBareWindowIsPaintedAndItsLineReadsBack) {
    const double ms = MeasureBareWindow();
    EXPECT_GT(ms, 0);
    EXPECT_EQ(BareWindowLine(12.34), "bare window: first paint after 12.3 ms\n");
    EXPECT_EQ(ParseBareWindowLine("x\n" + BareWindowLine(ms)).value_or(-1),
              QString::number(ms, 'f', 1).toDouble());
    for (const char* output : {"", "bare window: first paint after ms", "first paint after 3 ms",
                               "bare window: first paint after 1,5 ms"})
        EXPECT_FALSE(ParseBareWindowLine(output)) << output;
}

TEST(FtbHostFiles, ANewReturnHoldsTheKeySourceAndNothingIsReplaced) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data/RETURN.TAX"));
    // A folder that does not exist is not made.
    try {
        MakeNewReturn(path, QStringLiteral("876543210"));
        ADD_FAILURE() << "a return was made in a folder that does not exist";
    } catch (const EHostError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot make the return " + path.toStdString() + ": the folder " +
                      folder.filePath(QStringLiteral("data")).toStdString() + " does not exist");
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("data"))));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("data")));
    MakeNewReturn(path, QStringLiteral("876543210"));
    const SavedReturn saved(path.toStdString(), "876543210");
    EXPECT_EQ(saved.FieldText(1), "876543210");
    EXPECT_EQ(saved.FieldText(1300), "EI");
    EXPECT_TRUE(saved.FieldIsEmpty(399));
    try {
        MakeNewReturn(path, QStringLiteral("876543210"));
        ADD_FAILURE() << "an existing return was replaced";
    } catch (const EHostError& error) {
        EXPECT_EQ(std::string(error.what()), path.toStdString() + " already exists");
    }
}

TEST(FtbHostFiles, AReturnFromJsonReadsBackWithItsDisplayTexts) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("RETURN.TAX"));
    WriteReturnFromJson(path, QStringLiteral("876543210"),
                        QStringLiteral(FTB_SOURCE_DIR "/tools/ftbfile/examples/return.json"));
    const SavedReturn saved(path.toStdString(), "876543210");
    EXPECT_EQ(saved.FieldText(1246), "1200");
    EXPECT_EQ(saved.FieldText(1247), "1234.56");
    EXPECT_EQ(saved.FieldText(33), "X");
    EXPECT_EQ(saved.FieldText(1250), "Single\r\n01/07/2001\r\n31/12/2001\r\n\r\n");

    try {
        SavedReturn(path.toStdString(), "1");
        ADD_FAILURE() << "a return was read with the wrong key";
    } catch (const EHostError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot read the saved return: Unable to open file - " + path.toStdString());
    }
}

TEST(FtbHostFiles, AModuleThatCannotBeLoadedIsAHostError) {
    try {
        ModuleRun run(QStringLiteral("/nonexistent/libftbmodule.so"));
        ADD_FAILURE() << "a missing module was loaded";
    } catch (const EHostError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot load the module: ", 0), 0u)
            << error.what();
    }
}

}  // namespace
}  // namespace ftb::host
