#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "controls/GridHelpers.h"
#include "controls/XGrid.h"
#include "data/FieldStore.h"
#include "platform/Beep.h"
#include "platform/QtDialogs.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::controls {
namespace {

using data::TextList;
using platform::dbCancel;
using platform::dbOK;

constexpr const char* kMarital =
    "Marital status OR spouse name|2|0|150||F|T|0||||4|1|4|Dick|Harry|Tom|Single|";
constexpr const char* kStart = "Start\rdate|2|2|10||F|F||-1|0|";
constexpr const char* kPercent = "Agreed percentage|2|1|3|0|F|F|0|F|0|100||-1|0|F|";
constexpr const char* kDeleteRow = "Are you sure you want to delete this row?";

// A grid in a shown, active window beside another field that takes the focus away from it.
class XGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
        window.resize(700, 300);
        grid = new TXGrid(&window, dialogs);
        grid->setGeometry(10, 10, 600, 200);
        other = new QLineEdit(&window);
        other->setGeometry(10, 250, 100, 22);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        platform::ResetBeepCount();
    }
    void TearDown() override {
        for (const std::string& unmet : dialogs.Unmet()) ADD_FAILURE() << unmet;
    }

    // Gives the grid its columns as a screen description does, then the focus.
    void Columns(TextList lines) {
        grid->SetColCount(static_cast<int>(lines.size()));
        grid->SetDisplay(std::move(lines));
        grid->Loaded();
        grid->setFocus(Qt::TabFocusReason);
    }
    QLineEdit& Editor() { return grid->InplaceEditor(); }
    void Type(const char* keys) { QTest::keyClicks(&Editor(), QString::fromLatin1(keys)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Editor(), key, modifiers);
    }
    void ExpectError(const std::string& text) { dialogs.Expect("Error", text); }
    TextList Saved() const {
        TextList list;
        grid->SaveToList(list);
        return list;
    }
    std::pair<int, int> Current() const { return {grid->Col(), grid->Row()}; }

    platform::ScriptedDialogs dialogs;
    QWidget window;
    TXGrid* grid = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(XGridTest, AGridDestroyedWithTheFocusInItsEditorChecksNothing) {
    Columns({kMarital, kStart});
    grid->SetCells(1, 1, "31/13/2001");  // a cell check on the way out would refuse this
    grid->GoToCell(1, 1);
    ASSERT_TRUE(Editor().hasFocus());
    delete grid;
    grid = nullptr;
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(XGridTest, TextFormSkipsBlankRowsAndLoadsBackIntoConsecutiveRows) {
    Columns({"A|0|0|10", "B|0|0|10"});
    grid->SetCells(0, 1, "a1");
    grid->SetCells(1, 1, "b1");
    grid->SetCells(0, 2, "  ");  // blank after trimming
    grid->SetCells(1, 3, "b3");
    const TextList form = Saved();
    EXPECT_EQ(form, (TextList{"a1", "b1", "", "b3"}));

    grid->LoadFromList(&form);
    EXPECT_EQ(grid->Cells(0, 2), "");
    EXPECT_EQ(grid->Cells(1, 2), "b3");
    EXPECT_EQ(grid->Cells(1, 3), "");
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(Saved(), form);

    const TextList three{"x", "y", "z"};
    grid->LoadFromList(&three);
    EXPECT_EQ(Saved(), (TextList{"x", "y", "z", ""}));

    TextList many;
    for (int i = 0; i < 14; ++i) many.push_back(std::to_string(i));
    grid->LoadFromList(&many);
    EXPECT_EQ(grid->RowCount(), 8);  // rows appended; never reduced
    EXPECT_EQ(Saved(), many);
    EXPECT_EQ(Editor().text(), QStringLiteral("0"));  // the editor shows the loaded cell

    grid->LoadFromList(nullptr);
    EXPECT_TRUE(Saved().empty());
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_FALSE(grid->Modified());
}

TEST_F(XGridTest, TitleRowHoldsTheTitlesAndCountsAsRowZero) {
    Columns({kMarital, kStart});
    EXPECT_EQ(grid->Cells(1, 0), "Start\rdate");
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    EXPECT_EQ(grid->RowCount(), 5);
    grid->SetColCount(3);  // a column without a line gets the default specification
    EXPECT_EQ(grid->Cells(2, 0), "Title");
    EXPECT_EQ(grid->Column(2).maxLength, 30);
}

TEST_F(XGridTest, PercentageColumnLimitsTypingAndChecksTheRange) {
    Columns({kPercent, "Other|0|0|10"});
    Type("1500");
    EXPECT_EQ(grid->Cells(0, 1), "150");
    EXPECT_EQ(platform::BeepCount(), 1);
    EXPECT_TRUE(grid->Modified());

    ExpectError("Value must be between 0 and 100");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 1));  // the focus stays
    EXPECT_EQ(platform::BeepCount(), 2);         // the message comes with the alert sound

    struct Case {
        const char* typed;
        const char* shown;
        long double value;
    };
    for (const Case& c : {Case{"0", "0", data::kExplicitZero}, Case{"100", "100", 100}}) {
        SCOPED_TRACE(c.typed);
        grid->GoToCell(0, 1);
        Type(c.typed);
        Key(Qt::Key_Tab);
        EXPECT_EQ(Current(), std::make_pair(1, 1));
        EXPECT_EQ(grid->Cells(0, 1), c.shown);
        EXPECT_EQ(grid->LastNumber(), c.value);
    }
    grid->GoToCell(0, 2);  // an empty cell passes and stays empty
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(1, 2));
    EXPECT_EQ(grid->Cells(0, 2), "");
}

TEST_F(XGridTest, NumericCellsAreReadRoundedAndRewritten) {
    Columns(
        {"Amount|2|1|12|0|F|F|2|T||||-1|0|F|", "Big|2|1|8|0|F|F|0|F|0|1000000|", "Other|0|0|10"});
    // No range (Min equals Max): any value passes and is shown with its decimals.
    struct Case {
        const char* typed;
        const char* shown;
    };
    int row = 1;
    for (const Case& c : {Case{"12.756", "12.76"}, Case{"0", "0.00"}, Case{"-3.5", "-3.50"},
                          Case{"-0.0005", "0.00"}}) {
        SCOPED_TRACE(c.typed);
        grid->GoToCell(0, row);
        Type(c.typed);
        Key(Qt::Key_Tab);
        EXPECT_EQ(grid->Cells(0, row), c.shown);
        EXPECT_EQ(grid->Col(), 1);
        ++row;
    }
    // A second "-" or "." is refused as typed; a "-" behind digits makes the text unreadable.
    grid->GoToCell(0, 1);
    Type("5-.-.");
    EXPECT_EQ(grid->Cells(0, 1), "5-.");
    EXPECT_EQ(platform::BeepCount(), 2);
    ExpectError("5-. is an invalid numeric entry. Please re-enter amount before continuing.");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    EXPECT_EQ(grid->Cells(0, 1), "");

    // The bounds are written in their shortest form.
    grid->GoToCell(1, 1);
    Type("2000000");
    ExpectError("Value must be between 0 and 1000000");
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(XGridTest, DateCellsTakeDigitFormsAndRefuseImpossibleDates) {
    Columns({kStart, "Other|0|0|10"});
    Type("01a0701");
    EXPECT_EQ(platform::BeepCount(), 1);  // a letter is refused
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(0, 1), "01/07/2001");
    ASSERT_TRUE(grid->LastDate());
    EXPECT_EQ(*grid->LastDate(), data::ParseDate("1/7/2001"));

    struct Case {
        const char* typed;
        const char* shown;  // nullptr: refused
    };
    for (const Case& c : {Case{"310299", nullptr}, Case{"1/7/01", "01/07/2001"},
                          Case{"15011999", "15/01/1999"}, Case{"32/01/2002", nullptr}}) {
        SCOPED_TRACE(c.typed);
        grid->GoToCell(0, 2);
        Editor().selectAll();
        Type(c.typed);
        if (!c.shown) ExpectError("Enter date in dd/mm/yyyy format");
        Key(Qt::Key_Tab);
        EXPECT_EQ(grid->Col(), c.shown ? 1 : 0);
        if (c.shown) {
            EXPECT_EQ(grid->Cells(0, 2), c.shown);
        }
    }
}

TEST_F(XGridTest, PicklistCellMustMatchAnItem) {
    Columns({kMarital, kStart});
    Type("Tom");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(1, 1));

    grid->GoToCell(0, 2);
    Type("Bob");
    ExpectError("Entry must match one of the picklist entries");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 2));
    EXPECT_EQ(platform::BeepCount(), 1);
}

TEST_F(XGridTest, AListTheScreenFillsHoldsTheCellToWhatItOffersAtTheRow) {
    // Row 1 offers nothing, as a row without its date does; row 2 offers two items. An empty
    // list once offered does not leave the column unchecked afterwards.
    Columns({kMarital, kStart});
    grid->OnPicklistDropdown = [&](QObject*, int col, int row, TextList& items) {
        if (col == 0) items = row == 2 ? TextList{"Ann", "Bob"} : TextList{};
    };
    Type("Tom");
    ExpectError("Entry must match one of the picklist entries");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(1, 1));

    grid->GoToCell(0, 2);
    Type("Tom");
    ExpectError("Entry must match one of the picklist entries");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 2));
    Key(Qt::Key_Backspace);
    Type("Bob");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(1, 2));
    EXPECT_EQ(Saved(), (TextList{"Bob", ""}));
}

TEST_F(XGridTest, PicklistOpensHighlightsSearchesAndTakesAnItem) {
    Columns({kMarital, kStart});
    long long now = 10000;
    grid->MilliClock = [&] { return now; };
    Type("Ha");
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->PicklistOpen());
    EXPECT_EQ(grid->PickList().currentRow(), 1);  // Harry starts with the cell text

    Type("to");  // keys go to the list: the search text is "to"
    EXPECT_EQ(grid->PickList().currentRow(), 2);
    now += 2001;  // a pause starts a new search
    Type("s");
    EXPECT_EQ(grid->PickList().currentRow(), 3);
    EXPECT_EQ(grid->Cells(0, 1), "Ha");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(grid->PicklistOpen());
    EXPECT_EQ(grid->Cells(0, 1), "Ha");

    grid->SetModified(false);
    Key(Qt::Key_Up, Qt::AltModifier);
    Type("d");
    Key(Qt::Key_Return);
    EXPECT_FALSE(grid->PicklistOpen());
    EXPECT_EQ(grid->Cells(0, 1), "Dick");
    EXPECT_EQ(Current(), std::make_pair(1, 1));  // moved on
    EXPECT_TRUE(grid->Modified());
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(XGridTest, DropdownHandlerReplacesTheItemsAndTakingFromTheLastColumnAppendsARow) {
    Columns({kStart, kMarital});
    std::vector<QObject*> senders;
    grid->OnPicklistDropdown = [&](QObject* sender, int col, int, TextList& items) {
        senders.push_back(sender);
        EXPECT_EQ(col, 1);
        items = {"Single", "Jo Smith", "Widowed"};
    };
    grid->GoToCell(1, 4);
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->PicklistOpen());
    ASSERT_EQ(grid->PickList().count(), 3);
    EXPECT_EQ(senders.back(), &Editor());
    grid->TakePicklistItem(1);
    EXPECT_EQ(grid->Cells(1, 4), "Jo Smith");
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(Current(), std::make_pair(0, 5));
    EXPECT_EQ(senders.back(), grid);  // the cell check asked for the list again
    EXPECT_EQ(grid->Column(1).items, (TextList{"Single", "Jo Smith", "Widowed"}));
}

TEST_F(XGridTest, TabAndDownAppendRowsOnlyWithRowAutoInc) {
    Columns({"A|0|0|10", "Calculated|0|0|10|0|T", "C|0|0|10", "D|0|0|10|0|T"});
    EXPECT_EQ(grid->LastEditableColumn(), 2);
    Key(Qt::Key_Tab);  // the calculated column is skipped
    EXPECT_EQ(Current(), std::make_pair(2, 1));

    grid->GoToCell(2, 4);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(Current(), std::make_pair(0, 5));
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(Current(), std::make_pair(0, 6));

    grid->RowAutoInc = false;
    grid->GoToCell(2, 6);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(Current(), std::make_pair(0, 1));  // wraps to the first row
    grid->GoToCell(0, 6);
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), std::make_pair(0, 6));
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Current(), std::make_pair(2, 5));

    Type("x");  // calculated and read-only columns take nothing, silently
    grid->GoToCell(1, 1);
    Type("x");
    grid->SetColumnReadOnly(2, true);
    EXPECT_TRUE(grid->ColumnReadOnly(2));
    grid->GoToCell(2, 1);
    Type("y");
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_EQ(grid->Cells(2, 5), "x");
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(XGridTest, CtrlDeleteAsksAndKeepsOneDataRow) {
    Columns({"A|0|0|10", "B|0|0|10"});
    grid->SetRowCount(2);
    grid->SetCells(0, 1, "only");
    dialogs.Expect("Confirm", kDeleteRow, dbCancel);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(grid->Cells(0, 1), "only");
    EXPECT_FALSE(grid->Modified());

    dialogs.Expect("Confirm", kDeleteRow, dbOK);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cells(0, 1), "");
    EXPECT_TRUE(grid->Modified());

    const TextList rows{"r1", "", "r2", "", "r3", ""};
    grid->LoadFromList(&rows);
    grid->GoToCell(0, 2);
    dialogs.Expect("Confirm", kDeleteRow, dbOK);
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(Saved(), (TextList{"r1", "", "r3", ""}));
    EXPECT_EQ(Editor().text(), QStringLiteral("r3"));

    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(0, 2), "");
    EXPECT_EQ(grid->Cells(0, 3), "r3");

    grid->DoNotDelete = true;
    ExpectError("Row deletion not allowed on this grid");
    Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(platform::BeepCount(), 0);
}

// A character the return's texts cannot hold is refused in the cell editor with the alert sound,
// never stored as "?".
TEST_F(XGridTest, CharactersWindows1252CannotHoldAreRefusedInTheCellEditor) {
    Columns({"Name|0|0|20", "Other|0|0|20"});
    Type("Zo");
    // A CJK character and an e-diaeresis, as keyboards send them.
    for (const char* typed : {"\xE6\x97\xA5", "\xC3\xAB"}) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(typed));
        QApplication::sendEvent(&Editor(), &key);
    }
    EXPECT_EQ(platform::BeepCount(), 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(0, 1), "Zo\xEB");
}

TEST_F(XGridTest, SortingOrdersTextIgnoringCaseAndDatesByDateWithEmptyCellsLast) {
    Columns({"Name|0|0|20", kStart});
    grid->SetRowCount(7);
    const TextList rows{"bob",        "01/02/2002", "",           "05/07/2001", "Alice",
                        "30/06/2002", "alan",       "01/07/2001", "Bea",        ""};
    grid->LoadFromList(&rows);
    grid->SortRows("0");
    EXPECT_EQ(Saved(), (TextList{"alan", "01/07/2001", "Alice", "30/06/2002", "Bea", "", "bob",
                                 "01/02/2002", "", "05/07/2001"}));
    grid->SortRows("1");
    EXPECT_EQ(Saved(), (TextList{"alan", "01/07/2001", "", "05/07/2001", "bob", "01/02/2002",
                                 "Alice", "30/06/2002", "Bea", ""}));
    grid->SortRows("9, x,");  // no usable key: nothing moves
    EXPECT_EQ(grid->Cells(0, 1), "alan");
}

TEST_F(XGridTest, ExitCellCanRefuseOrRedirectAndEnterCellSeesTheTarget) {
    Columns({"A|0|0|10", "B|0|0|10", "C|0|0|10"});
    std::vector<std::pair<int, int>> entered;
    grid->OnEnterCell = [&](QObject*, int col, int row) { entered.emplace_back(col, row); };
    bool allow = false;
    grid->OnExitCell = [&](QObject* sender, int col, int row, int& acol, int& arow, bool& go) {
        EXPECT_EQ(sender, grid);
        EXPECT_EQ(std::make_pair(col, row), Current());
        go = allow;
        acol = 2;
        arow = 3;
    };
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    EXPECT_TRUE(entered.empty());
    allow = true;
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(2, 3));
    EXPECT_EQ(entered.back(), std::make_pair(2, 3));

    // An exception from a handler becomes an error box, never a crash.
    grid->OnExitCell = [](QObject*, int, int, int&, int&, bool&) {
        throw std::runtime_error("handler failed");
    };
    ExpectError("handler failed");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(2, 3));
}

TEST_F(XGridTest, FocusEntersAtTheFirstTabStopAndARefusedCellIsEmptiedOnLeaving) {
    Columns({"Calculated|0|0|10|0|T", kPercent, kStart});
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    Type("50");
    grid->GoToCell(2, 3);
    Type("310299");
    ExpectError("Enter date in dd/mm/yyyy format");
    other->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(grid->Cells(2, 3), "");

    grid->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_EQ(grid->Cells(1, 1), "50");
}

TEST_F(XGridTest, MousePressInTheEditorTogglesThePicklistAndAPressElsewhereClosesIt) {
    Columns({kMarital, kStart});
    QTest::mouseClick(&Editor(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(grid->PicklistOpen());
    EXPECT_EQ(grid->PickList().currentRow(), -1);  // nothing highlighted for an empty cell
    QTest::mouseClick(&Editor(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(grid->PicklistOpen());

    QTest::mouseClick(&Editor(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(grid->PicklistOpen());
    QTest::mousePress(other, Qt::LeftButton);
    EXPECT_FALSE(grid->PicklistOpen());
    EXPECT_EQ(grid->Cells(0, 1), "");
    EXPECT_FALSE(grid->Modified());
}

// A real box runs a modal loop inside the move and moves the window's activation.
TEST_F(XGridTest, WithRealBoxesARefusedCellKeepsTheFocusAndLeavingShowsOneBox) {
    platform::QtDialogs boxes([this] { return &window; });
    TXGrid real(&window, boxes);
    real.setGeometry(10, 10, 600, 200);
    real.SetColCount(2);
    real.SetDisplay({kPercent, kStart});
    real.Loaded();
    real.show();
    QStringList texts;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        texts << box->text();
        if (texts.size() > 5) qFatal("the grid keeps refusing");
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(0);

    real.setFocus(Qt::TabFocusReason);
    real.GoToCell(0, 2);
    QTest::keyClicks(&real.InplaceEditor(), QStringLiteral("150"));
    QTest::keyClick(&real.InplaceEditor(), Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return real.InplaceEditor().hasFocus(); }, 2000));
    EXPECT_EQ(texts, QStringList{QStringLiteral("Value must be between 0 and 100")});
    // The focus came back with the window's activation: the grid was not entered anew.
    EXPECT_EQ(std::make_pair(real.Col(), real.Row()), std::make_pair(0, 2));

    other->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return texts.size() == 2 && other->hasFocus(); }, 2000));
    EXPECT_EQ(real.Cells(0, 2), "");
    EXPECT_EQ(texts.size(), 2);
}

TEST_F(XGridTest, IdentifierCellsAreCheckedThenShownGroupedAndEditedAsDigits) {
    Columns({"TFN|0|4|0", "ABN|0|3|0", "Other|0|0|10"});
    Type("8765432109");  // nine digits at most
    EXPECT_EQ(platform::BeepCount(), 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(0, 1), "876 543 210");
    Type("18123456789");
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(1, 1), "18 123 456 789");
    Key(Qt::Key_Backtab);
    EXPECT_EQ(grid->Cells(1, 1), "18123456789");  // entering filters to the digits

    grid->GoToCell(0, 2);
    Type("876543211");
    ExpectError("Invalid Tax File Number (TFN)");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 2));
}

TEST_F(XGridTest, TextColumnsApplyCharCaseAndValidCharacters) {
    Columns({"Code|0|0|5|0|F|F|1|a..c,A..C,-", "Ellipsis|0|0|5|0|F|T|0||||0|2|"});
    Type("ab-xC");
    EXPECT_EQ(grid->Cells(0, 1), "AB-C");
    EXPECT_EQ(platform::BeepCount(), 1);  // x is not allowed

    std::vector<std::pair<int, int>> clicked;
    grid->OnElippsisclicked = [&](QObject*, int col, int row) { clicked.emplace_back(col, row); };
    grid->GoToCell(1, 2);
    Key(Qt::Key_Return, Qt::ControlModifier);
    const QPoint button = grid->InplaceEditor().ButtonRect().center();
    QTest::mouseClick(&Editor(), Qt::LeftButton, Qt::NoModifier, button);
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{1, 2}, {1, 2}}));

    Type("abc");
    Key(Qt::Key_Backspace);  // a Button column's Backspace empties the cell
    EXPECT_EQ(grid->Cells(1, 2), "");
}

TEST_F(XGridTest, ScalingKeepsHiddenColumnsAndTheLeftEdge) {
    Columns({"A|0|0|10", "B|0|0|10"});
    grid->SetColWidths(0, 100);
    grid->SetColWidths(1, -1);
    grid->ScaleBy(3, 2);
    EXPECT_EQ(grid->ColWidths(0), 150);
    EXPECT_EQ(grid->ColWidths(1), -1);
    EXPECT_EQ(grid->DefaultRowHeight(), 30);
    EXPECT_EQ(grid->geometry(), QRect(10, 15, 900, 300));
}

TEST(GridHelpersTest, HalfRowIsAFilledFirstCellBesideAnEmptySecond) {
    platform::ScriptedDialogs dialogs;
    TXGrid grid(nullptr, dialogs);
    grid.SetColCount(2);
    struct Case {
        TextList rows;
        bool half;
    };
    const Case cases[] = {
        {{}, false},
        {{"01/07/2001", "30/06/2002", "", "", "02/02/2002", ""}, true},
        {{" ", ""}, true},  // spaces count as filled
        {{"", "30/06/2002"}, false},
        {{"a", " "}, false},
    };
    for (const Case& c : cases) {
        grid.LoadFromList(&c.rows);
        EXPECT_EQ(GridHasHalfRow(grid), c.half) << ::testing::PrintToString(c.rows);
    }
}

TEST_F(XGridTest, ARowIsFilledWithTheKeyboardAloneAndF4WorksThePickList) {
    Columns({kMarital, kPercent});
    ASSERT_EQ(Current(), std::make_pair(0, 1));
    Key(Qt::Key_F4);
    ASSERT_TRUE(grid->PicklistOpen());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_F4);  // closes it as Alt+Down does, taking the highlighted item
    EXPECT_FALSE(grid->PicklistOpen());
    EXPECT_EQ(grid->Cells(0, 1), "Harry");
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    Type("50");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(0, 2));
    Key(Qt::Key_F4);
    Key(Qt::Key_Up);
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(0, 2), "Dick");
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), std::make_pair(0, 2));
    Key(Qt::Key_Up);
    EXPECT_EQ(Current(), std::make_pair(0, 1));
    EXPECT_EQ(Saved(), (TextList{"Harry", "50", "Dick", ""}));
    // F4 in a column without a pick list types nothing and opens nothing.
    grid->GoToCell(1, 1);
    Key(Qt::Key_F4);
    EXPECT_FALSE(grid->PicklistOpen());
    EXPECT_EQ(platform::BeepCount(), 0);
}

TEST_F(XGridTest, CtrlTabLeavesTheGridWhileTabMovesBetweenItsCells) {
    auto* before = new QPushButton(QStringLiteral("Before"), &window);
    before->setGeometry(620, 10, 60, 22);
    before->show();
    QWidget::setTabOrder(before, grid);
    QWidget::setTabOrder(grid, other);
    Columns({"A|0|0|10", "B|0|0|10"});
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), std::make_pair(1, 1));
    EXPECT_TRUE(Editor().hasFocus());
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(other->hasFocus());

    grid->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Editor().hasFocus());
    Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
}

}  // namespace
}  // namespace ftb::controls
