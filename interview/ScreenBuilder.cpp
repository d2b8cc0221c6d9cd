#include "interview/ScreenBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <algorithm>
#include <map>
#include <utility>

#include "controls/QtTextCanvas.h"
#include "controls/Textlbl.h"
#include "data/Errors.h"
#include "interview/Child.h"
#include "interview/LineChoice.h"
#include "platform/KeyboardFocus.h"
#include "platform/QtText.h"

namespace ftb::interview {

namespace {

constexpr int kScreenFontPoints = 10;

template <typename Props>
TControlDecl Declare(TControlKind kind, std::string name, int tag, QRect bounds, Props props) {
    TControlDecl decl{.Kind = kind, .Name = std::move(name), .Tag = tag, .Bounds = bounds,
                      .Props = std::move(props)};
    return decl;
}

// Windowed controls have a tab order; the marked-up texts and plain labels do not.
bool IsWindowed(TControlKind kind) {
    return kind != TControlKind::Text && kind != TControlKind::Label;
}

bool IsContainer(TControlKind kind) {
    return kind == TControlKind::Panel || kind == TControlKind::Group ||
           kind == TControlKind::ScrollBox;
}

QFont ControlFont(const TControlDecl& decl) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(decl.FontSize.value_or(kScreenFontPoints));
    font.setBold(decl.Bold);
    return font;
}

void SetBackground(QWidget& control, controls::TColor color) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, controls::QtColor(color, palette));
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

// Runs a screen handler from a Qt signal, so that no exception reaches the event loop.
template <typename Handler>
auto Notify(const TChildForm& screen, QObject* sender, Handler handler) {
    return [&screen, sender, handler = std::move(handler)] {
        screen.Guarded([&] { handler(sender); });
    };
}

void ApplyText(controls::TTextLbl& text, const TControlDecl& decl, TTextProps& props) {
    controls::TFontDesc font = text.Font();
    if (decl.FontSize) font.Size = *decl.FontSize;
    if (decl.Bold) font.Style |= controls::fsBold;
    text.SetFont(font);
    text.SetText(std::move(props.Lines));
    if (props.LineSpacing) text.SetLineSpacing(*props.LineSpacing);
    if (props.Section) text.SetSection(*props.Section);
    if (props.CurrentSection) text.SetCurrentSection(*props.CurrentSection);
    if (props.CalculateHeight) text.SetCalculateHeight(*props.CalculateHeight);
    if (props.BottomMargin) text.SetBottomMargin(*props.BottomMargin);
    if (props.ParentBottomMargin) text.SetParentBottomMargin(*props.ParentBottomMargin);
    if (props.Transparent) text.SetTransparent(*props.Transparent);
    if (props.Color) text.SetColor(*props.Color);
    if (props.Font) text.SetFont(*props.Font);
    if (props.BevelInner) text.SetBevelInner(*props.BevelInner);
    if (props.BevelOuter) text.SetBevelOuter(*props.BevelOuter);
    if (props.BevelWidth) text.SetBevelWidth(*props.BevelWidth);
    if (props.Cursor) text.SetCursor(*props.Cursor);
    text.OnScreenTag = std::move(props.OnScreenTag);
    text.OnCheckTag = std::move(props.OnCheckTag);
    text.OnColorTag = std::move(props.OnColorTag);
    text.OnScreenClick = std::move(props.OnScreenClick);
    text.OnClick = std::move(props.OnClick);
    text.Loaded();
}

// The entry field's properties, in the order its presets require (see TCustomNumEdit).
void ApplyEdit(controls::TTaxEdit& edit, TEditProps& props) {
    if (props.Decimals) edit.SetDecimals(*props.Decimals);
    if (props.MaxVal) edit.SetMaxVal(*props.MaxVal);
    if (props.MaxLength) edit.SetMaxLength(*props.MaxLength);
    if (props.MinVal) edit.SetMinVal(*props.MinVal);
    if (props.MaxDate) edit.SetMaxDate(*props.MaxDate);
    if (props.MinDate) edit.SetMinDate(*props.MinDate);
    if (props.NumericType) edit.SetNumericType(*props.NumericType);
    if (props.DateValue) edit.SetDateValue(*props.DateValue);
    if (props.UseRounding) edit.SetUseRounding(*props.UseRounding);
    if (props.Validate) edit.SetValidate(*props.Validate);
    if (props.ValidateDate) edit.SetValidateDate(*props.ValidateDate);
    if (props.ValidChars) edit.SetValidChars(*props.ValidChars);
    if (props.VarnholtDataType) edit.SetVarnholtDataType(*props.VarnholtDataType);
    if (props.Mandatory) edit.SetMandatory(*props.Mandatory);
    if (props.ChangeFocusColor) edit.SetChangeFocusColor(*props.ChangeFocusColor);
    if (props.CapitaliseWords) edit.SetCapitaliseWords(*props.CapitaliseWords);
    if (props.Alignment) edit.SetAlignment(*props.Alignment);
    if (props.AutoSelect) edit.SetAutoSelect(*props.AutoSelect);
    if (!props.Text.empty()) edit.AssignText(props.Text);
    edit.OnChange = std::move(props.OnChange);
    edit.OnEnter = std::move(props.OnEnter);
    edit.OnExit = std::move(props.OnExit);
    edit.OnKeyPress = std::move(props.OnKeyPress);
}

void ApplyGrid(controls::TXGrid& grid, TGridProps& props) {
    if (props.ColCount) grid.SetColCount(*props.ColCount);
    if (props.RowCount) grid.SetRowCount(*props.RowCount);
    grid.SetDisplay(std::move(props.Display));
    if (props.TitleLines) grid.SetTitleLines(*props.TitleLines);
    for (std::size_t col = 0; col < props.ColWidths.size(); ++col)
        grid.SetColWidths(static_cast<int>(col), props.ColWidths[col]);
    if (props.DefaultRowHeight) grid.SetDefaultRowHeight(*props.DefaultRowHeight);
    if (props.RowAutoInc) grid.RowAutoInc = *props.RowAutoInc;
    if (props.DoNotDelete) grid.DoNotDelete = *props.DoNotDelete;
    if (props.ShowColHints) grid.ShowColHints = *props.ShowColHints;
    grid.OnEnterCell = std::move(props.OnEnterCell);
    grid.OnExitCell = std::move(props.OnExitCell);
    grid.OnPicklistDropdown = std::move(props.OnPicklistDropdown);
    grid.OnElippsisclicked = std::move(props.OnElippsisclicked);
    grid.OnKeyDown = std::move(props.OnKeyDown);
    grid.OnKeyUp = std::move(props.OnKeyUp);
    grid.Loaded();
}

// Buttons raise OnClick when pressed. A check box raises it whenever its state changes and a
// radio button whenever it becomes checked, by the user or by the program (the binding
// included), as the screens expect of these controls; the state declared here is set before
// the handler is attached.
void ApplyButton(const TChildForm& screen, QAbstractButton& button, TControlKind kind,
                 TButtonProps& props) {
    button.setText(platform::FromWin1252(props.Caption));
    if (kind == TControlKind::Button) platform::PressOnEnter(button);
    if (kind == TControlKind::Radio) platform::TabStopFollowsCheck(button);
    if (props.Checked) button.setChecked(*props.Checked);
    if (props.OnPress && kind == TControlKind::Radio) {
        auto pressed = Notify(screen, &button, std::move(props.OnPress));
        QObject::connect(&button, &QAbstractButton::pressed, &button, [&button, pressed] {
            pressed();
            if (!button.isDown()) button.setChecked(true);
        });
    }
    if (!props.OnClick) return;
    auto handler = Notify(screen, &button, std::move(props.OnClick));
    if (kind == TControlKind::Button) {
        QObject::connect(&button, &QAbstractButton::clicked, &button, handler);
    } else if (kind == TControlKind::Check) {
        QObject::connect(&button, &QAbstractButton::toggled, &button, handler);
    } else {
        QObject::connect(&button, &QAbstractButton::toggled, &button,
                         [handler](bool checked) {
                             if (checked) handler();
                         });
    }
}

void ApplyCombo(const TChildForm& screen, QComboBox& combo, TListProps& props) {
    combo.setEditable(false);
    for (const std::string& item : props.Items) combo.addItem(platform::FromWin1252(item));
    combo.setCurrentIndex(-1);
    if (props.OnChange)
        QObject::connect(&combo, &QComboBox::activated, &combo,
                         Notify(screen, &combo, std::move(props.OnChange)));
}

void ApplyList(const TChildForm& screen, QListWidget& list, TListProps& props) {
    for (const std::string& item : props.Items) list.addItem(platform::FromWin1252(item));
    if (!props.OnClick) return;
    ChooseLines(list, TChooseBy::Click,
                [notify = Notify(screen, &list, std::move(props.OnClick))](const QModelIndex&) {
                    notify();
                });
}

void ApplyPlain(QWidget& control, TControlKind kind, const TPlainProps& props) {
    if (props.Color) SetBackground(control, *props.Color);
    if (kind == TControlKind::Label)
        static_cast<QLabel&>(control).setText(platform::FromWin1252(props.Caption));
    else if (kind == TControlKind::Group)
        static_cast<QGroupBox&>(control).setTitle(platform::FromWin1252(props.Caption));
}

// Creates the control of one declaration on its parent and applies its kind's properties.
QWidget* CreateControl(TChildForm& screen, QWidget* parent, TControlDecl& decl) {
    platform::Dialogs& dialogs = screen.Dialogs();
    switch (decl.Kind) {
    case TControlKind::Text: {
        auto* text = new controls::TTextLbl(parent, dialogs);
        text->SetName(decl.Name);
        text->setGeometry(decl.Bounds);
        ApplyText(*text, decl, std::get<TTextProps>(decl.Props));
        return text;
    }
    case TControlKind::Edit: {
        auto* edit = new controls::TTaxEdit(parent, dialogs);
        edit->setGeometry(decl.Bounds);
        edit->setFont(ControlFont(decl));
        ApplyEdit(*edit, std::get<TEditProps>(decl.Props));
        return edit;
    }
    case TControlKind::Grid: {
        auto* grid = new controls::TXGrid(parent, dialogs);
        grid->setGeometry(decl.Bounds);
        grid->setFont(ControlFont(decl));
        ApplyGrid(*grid, std::get<TGridProps>(decl.Props));
        return grid;
    }
    case TControlKind::Button:
    case TControlKind::Check:
    case TControlKind::Radio: {
        QAbstractButton* button = nullptr;
        if (decl.Kind == TControlKind::Button)
            button = new QPushButton(parent);
        else if (decl.Kind == TControlKind::Check)
            button = new QCheckBox(parent);
        else
            button = new QRadioButton(parent);
        button->setGeometry(decl.Bounds);
        button->setFont(ControlFont(decl));
        ApplyButton(screen, *button, decl.Kind, std::get<TButtonProps>(decl.Props));
        return button;
    }
    case TControlKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->setGeometry(decl.Bounds);
        combo->setFont(ControlFont(decl));
        ApplyCombo(screen, *combo, std::get<TListProps>(decl.Props));
        return combo;
    }
    case TControlKind::List: {
        auto* list = new QListWidget(parent);
        list->setGeometry(decl.Bounds);
        list->setFont(ControlFont(decl));
        ApplyList(screen, *list, std::get<TListProps>(decl.Props));
        return list;
    }
    case TControlKind::Label:
    case TControlKind::Panel:
    case TControlKind::Group: {
        QWidget* control = nullptr;
        if (decl.Kind == TControlKind::Label)
            control = new QLabel(parent);
        else if (decl.Kind == TControlKind::Panel)
            control = new QFrame(parent);
        else
            control = new QGroupBox(parent);
        control->setGeometry(decl.Bounds);
        control->setFont(ControlFont(decl));
        ApplyPlain(*control, decl.Kind, std::get<TPlainProps>(decl.Props));
        return control;
    }
    case TControlKind::ScrollBox: {
        auto* box = new QScrollArea(parent);
        // Not a tab stop itself: Tab goes to the controls it holds, and the box scrolls to them.
        box->setFocusPolicy(Qt::NoFocus);
        box->setGeometry(decl.Bounds);
        box->setFont(ControlFont(decl));
        box->setWidget(new QWidget);
        return box;
    }
    }
    throw EFtbError("Unknown control kind of " + decl.Name);
}

// The widget that holds the controls declared inside a container.
QWidget* ContentsOf(QWidget* container) {
    if (auto* box = qobject_cast<QScrollArea*>(container)) return box->widget();
    return container;
}

struct TBuiltControl {
    QWidget* Widget;
    TControlKind Kind;
};

// Chains the focus through the windowed controls: each parent's controls in creation order, a
// container's own controls right after it.
void ChainTabOrder(const std::map<QWidget*, std::vector<TBuiltControl>>& byParent,
                   QWidget* parent, std::vector<QWidget*>& chain) {
    const auto children = byParent.find(parent);
    if (children == byParent.end()) return;
    for (const TBuiltControl& child : children->second) {
        if (child.Widget->focusPolicy() & Qt::TabFocus) {
            if (!chain.empty()) QWidget::setTabOrder(chain.back(), child.Widget);
            chain.push_back(child.Widget);
        }
        if (IsContainer(child.Kind)) ChainTabOrder(byParent, ContentsOf(child.Widget), chain);
    }
}

}  // namespace

TControlDecl Text(std::string name, QRect bounds, TTextProps props) {
    return Declare(TControlKind::Text, std::move(name), 0, bounds, std::move(props));
}
TControlDecl Edit(std::string name, int tag, QRect bounds, TEditProps props) {
    return Declare(TControlKind::Edit, std::move(name), tag, bounds, std::move(props));
}
TControlDecl Grid(std::string name, int tag, QRect bounds, TGridProps props) {
    return Declare(TControlKind::Grid, std::move(name), tag, bounds, std::move(props));
}
TControlDecl Button(std::string name, QRect bounds, TButtonProps props) {
    return Declare(TControlKind::Button, std::move(name), 0, bounds, std::move(props));
}
TControlDecl Check(std::string name, int tag, QRect bounds, TButtonProps props) {
    return Declare(TControlKind::Check, std::move(name), tag, bounds, std::move(props));
}
TControlDecl Radio(std::string name, int tag, QRect bounds, TButtonProps props) {
    return Declare(TControlKind::Radio, std::move(name), tag, bounds, std::move(props));
}
TControlDecl Combo(std::string name, int tag, QRect bounds, TListProps props) {
    return Declare(TControlKind::Combo, std::move(name), tag, bounds, std::move(props));
}
TControlDecl List(std::string name, QRect bounds, TListProps props) {
    return Declare(TControlKind::List, std::move(name), 0, bounds, std::move(props));
}
TControlDecl Label(std::string name, int tag, QRect bounds, TPlainProps props) {
    return Declare(TControlKind::Label, std::move(name), tag, bounds, std::move(props));
}
TControlDecl Panel(std::string name, QRect bounds, TPlainProps props) {
    return Declare(TControlKind::Panel, std::move(name), 0, bounds, std::move(props));
}
TControlDecl Group(std::string name, QRect bounds, TPlainProps props) {
    return Declare(TControlKind::Group, std::move(name), 0, bounds, std::move(props));
}
TControlDecl ScrollBox(std::string name, QRect bounds) {
    return Declare(TControlKind::ScrollBox, std::move(name), 0, bounds, TPlainProps{});
}

void Build(TChildForm& screen, std::vector<TControlDecl> controls) {
    std::map<std::string, QWidget*, std::less<>> containers;
    std::map<QWidget*, std::vector<TBuiltControl>> byParent;
    for (TControlDecl& decl : controls) {
        QWidget* parent = &screen;
        if (!decl.Parent.empty()) {
            const auto container = containers.find(decl.Parent);
            if (container == containers.end())
                throw EFtbError("The control " + decl.Name + " is declared in " + decl.Parent +
                                ", which is no container declared before it");
            parent = ContentsOf(container->second);
        }
        QWidget* control = CreateControl(screen, parent, decl);
        control->setObjectName(platform::FromWin1252(decl.Name));
        SetTag(control, decl.Tag);
        control->setEnabled(decl.Enabled);
        control->setVisible(decl.Visible);
        if (IsWindowed(decl.Kind)) {
            std::vector<TBuiltControl>& siblings = byParent[parent];
            SetTabOrder(control, static_cast<int>(siblings.size()));
            siblings.push_back({control, decl.Kind});
        }
        if (IsContainer(decl.Kind)) containers.insert_or_assign(decl.Name, control);
        screen.AddComponent(control);
    }
    std::vector<QWidget*> chain;
    ChainTabOrder(byParent, &screen, chain);
    screen.SetTabChain(std::move(chain));
    for (const auto& [name, container] : containers)
        if (auto* box = qobject_cast<QScrollArea*>(container)) FitScrollBoxContents(*box);
}

void FitScrollBoxContents(QScrollArea& box) {
    QWidget* contents = box.widget();
    if (!contents) return;
    const QRect used = contents->childrenRect();
    contents->resize(std::max(used.right() + 1, box.viewport()->width()),
                     std::max(used.bottom() + 1, box.viewport()->height()));
}

void FillYearTag(int ScreenTag, std::string& Value) {
    switch (ScreenTag) {
    case 99997: Value = "1998"; break;
    case 99998: Value = "2001"; break;
    case 99999: Value = "2002"; break;
    default: break;
    }
}

}  // namespace ftb::interview
