#pragma once
// The shared builder of question screens. A screen class declares its controls in creation
// order, each with its kind, object name, Tag, bounds on the 630 x 482 design and properties,
// and Build creates them on the screen, applies the properties in the order the controls
// require, wires the handlers, sets the tab order and records each control as a component:
//
//   Build(*this, {
//       Text("TextLbl1", {8, 8, 614, 120}, {.Lines = kHeading, .OnScreenTag = YearTags}),
//       Edit("edtIncome", 1246, {400, 140, 120, 21}, {.NumericType = ntCurrency}),
//       Radio("rbYes", 999, {20, 200, 60, 17}, {.Caption = "Yes"}),
//   });
//
// Every property struct lists its members in the order in which Build assigns them, so a
// designated initializer reads in that order too.
#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "controls/TaxEdit.h"
#include "controls/XGrid.h"
#include "controls/core/TextLayout.h"

class QScrollArea;

namespace ftb::interview {

class TChildForm;

// The entry field, assigned in the order its presets require.
struct TEditProps {
    std::optional<std::uint16_t> Decimals{};
    std::optional<long double> MaxVal{};
    std::optional<int> MaxLength{};
    std::optional<long double> MinVal{};
    std::optional<data::Date> MaxDate{};
    std::optional<data::Date> MinDate{};
    std::optional<controls::TNumericType> NumericType{};
    std::optional<data::Date> DateValue{};
    std::optional<bool> UseRounding{};
    std::optional<bool> Validate{};
    std::optional<bool> ValidateDate{};
    std::optional<std::string> ValidChars{};
    std::optional<controls::TVarnholtDataType> VarnholtDataType{};
    std::optional<bool> Mandatory{};
    std::optional<bool> ChangeFocusColor{};
    std::optional<bool> CapitaliseWords{};
    std::optional<controls::TAlignment> Alignment{};
    std::optional<bool> AutoSelect{};
    std::string Text{};  // initial text, through AssignText
    std::function<void(controls::TCustomNumEdit& Sender)> OnChange{};
    std::function<void(controls::TCustomNumEdit& Sender)> OnEnter{};
    std::function<void(controls::TCustomNumEdit& Sender)> OnExit{};
    std::function<void(controls::TCustomNumEdit& Sender, char& Key)> OnKeyPress{};
};

// The marked-up text; Loaded() is called once these are set.
struct TTextProps {
    std::vector<std::string> Lines{};  // Windows-1252 markup lines
    std::optional<int> LineSpacing{};
    std::optional<int> Section{};
    std::optional<int> CurrentSection{};
    std::optional<bool> CalculateHeight{};
    std::optional<int> BottomMargin{};
    std::optional<int> ParentBottomMargin{};
    std::optional<bool> Transparent{};
    std::optional<controls::TColor> Color{};
    std::optional<controls::TFontDesc> Font{};
    std::optional<controls::TBevelCut> BevelInner{};
    std::optional<controls::TBevelCut> BevelOuter{};
    std::optional<int> BevelWidth{};
    std::optional<controls::TCursor> Cursor{};
    controls::TScreenTagEvent OnScreenTag{};
    controls::TCheckTagEvent OnCheckTag{};
    controls::TColorTagEvent OnColorTag{};
    controls::TScreenEvent OnScreenClick{};
    std::function<void(QObject* Sender)> OnClick{};
};

// The data grid; Loaded() is called once the specification lines are set.
struct TGridProps {
    std::optional<int> ColCount{};
    std::optional<int> RowCount{};
    data::TextList Display{};  // one column specification line a column
    std::optional<int> TitleLines{};
    std::vector<int> ColWidths{};
    std::optional<int> DefaultRowHeight{};
    std::optional<bool> RowAutoInc{};
    std::optional<bool> DoNotDelete{};
    std::optional<bool> ShowColHints{};
    controls::TXGridCellEvent OnEnterCell{};
    controls::TXGridExitCellEvent OnExitCell{};
    controls::TXGriddropdownEvent OnPicklistDropdown{};
    controls::TXGridCellEvent OnElippsisclicked{};
    controls::TXGridKeyEvent OnKeyDown{};
    controls::TXGridKeyEvent OnKeyUp{};
};

// Buttons, check boxes and radio buttons. OnClick is raised when a button is pressed, when a
// check box changes its state and when a radio button becomes checked, whether the user or the
// program (the binding included) changed it; the declared Checked is set before it is attached.
// OnPress (radio buttons) is raised only by the user: on the mouse press or the space key,
// before the button is checked. When the handler shows a box or moves the focus, which takes the
// press away from the button, the press still ends with the button checked, as the click would.
struct TButtonProps {
    std::string Caption{};  // Windows-1252, "&" marks the accelerator
    std::optional<bool> Checked{};
    std::function<void(QObject* Sender)> OnClick{};
    std::function<void(QObject* Sender)> OnPress{};
};

// Combo boxes (a drop-down list of fixed items) and list boxes.
struct TListProps {
    std::vector<std::string> Items{};
    std::function<void(QObject* Sender)> OnChange{};  // combo box: the user chose an item
    std::function<void(QObject* Sender)> OnClick{};   // list box: a line was clicked
};

// Plain labels, panels, group boxes and scroll boxes.
struct TPlainProps {
    std::string Caption{};
    std::optional<controls::TColor> Color{};
};

enum class TControlKind {
    Text, Edit, Grid, Button, Check, Radio, Combo, List, Label, Panel, Group, ScrollBox
};

// One control of a screen's declaration.
struct TControlDecl {
    TControlKind Kind = TControlKind::Text;
    std::string Name{};
    int Tag = 0;
    QRect Bounds{};
    std::variant<TTextProps, TEditProps, TGridProps, TButtonProps, TListProps, TPlainProps> Props{};
    std::string Parent{};  // the object name of a panel, group box or scroll box declared earlier;
                           // empty: the screen itself
    bool Visible = true;
    bool Enabled = true;
    std::optional<int> FontSize{};  // points; the screen font is Arial 10 points (13 pixels)
    bool Bold = false;

    // Chainable adjustments of the common properties.
    TControlDecl&& In(std::string parent) && {
        Parent = std::move(parent);
        return std::move(*this);
    }
    TControlDecl&& Hidden() && { Visible = false; return std::move(*this); }
    TControlDecl&& Disabled() && { Enabled = false; return std::move(*this); }
    TControlDecl&& WithFont(int points, bool bold = false) && {
        FontSize = points;
        Bold = bold;
        return std::move(*this);
    }
};

TControlDecl Text(std::string name, QRect bounds, TTextProps props);
TControlDecl Edit(std::string name, int tag, QRect bounds, TEditProps props = {});
TControlDecl Grid(std::string name, int tag, QRect bounds, TGridProps props);
TControlDecl Button(std::string name, QRect bounds, TButtonProps props);
TControlDecl Check(std::string name, int tag, QRect bounds, TButtonProps props = {});
TControlDecl Radio(std::string name, int tag, QRect bounds, TButtonProps props = {});
TControlDecl Combo(std::string name, int tag, QRect bounds, TListProps props);
TControlDecl List(std::string name, QRect bounds, TListProps props = {});
TControlDecl Label(std::string name, int tag, QRect bounds, TPlainProps props = {});
TControlDecl Panel(std::string name, QRect bounds, TPlainProps props = {});
TControlDecl Group(std::string name, QRect bounds, TPlainProps props = {});
TControlDecl ScrollBox(std::string name, QRect bounds);

// Creates the declared controls on the screen in order (see the top of this file).
void Build(TChildForm& screen, std::vector<TControlDecl> controls);

// Makes the scrolled area of a scroll box reach as far as its visible controls (and at least
// fill the box); Build and scaling call it.
void FitScrollBoxContents(QScrollArea& box);

// The year variables of the screen texts: 99997 "1998", 99998 "2001", 99999 "2002"; other
// numbers are left as they are. Screens give it to their texts' OnScreenTag.
void FillYearTag(int ScreenTag, std::string& Value);

}  // namespace ftb::interview
