#include "interview/Intrview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <utility>

#include "controls/Easysize.h"
#include "controls/QtTextCanvas.h"
#include "controls/Textlbl.h"
#include "controls/core/StateFields.h"
#include "interview/Binding.h"
#include "interview/Catalogue.h"
#include "interview/FramePictures.h"
#include "interview/LineChoice.h"
#include "interview/ScreenAccess.h"
#include "interview/MainWindowLink.h"
#include "platform/Help.h"
#include "platform/KeyboardFocus.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

namespace ftb::interview {
namespace {

using platform::FromWin1252;

// The frame's design: the picture panel on the left, the title above the client panel that
// holds the screen, the buttons in a row below it.
constexpr int kFrameWidth = 840;
constexpr int kFrameHeight = 560;
constexpr QRect kImagePanelBounds{0, 0, 200, kFrameHeight};
constexpr QRect kTitleBounds{205, 4, kDesignWidth, 28};
constexpr QRect kClientBounds{205, 34, kDesignWidth, kDesignHeight};
constexpr int kButtonTop = 524;
constexpr int kButtonWidth = 85;
constexpr int kButtonHeight = 28;

// Inside the picture panel: the picture, the section markers in one place, the navigator or the
// worksheet panel below them, the select panel under those, the screen number at the foot.
constexpr QRect kPictureBounds{10, 10, 180, 100};
constexpr QRect kMarkerBounds{76, 116, 48, 48};
constexpr QRect kSidePanelBounds{5, 170, 190, 232};
constexpr QRect kSelectPanelBounds{5, 406, 190, 128};
constexpr int kSidePanelInner = kSidePanelBounds.width() - 8;
constexpr int kScreenNumberHeight = 20;

constexpr const char* kSelectPanelName = "PanelFreeFormSelect";
const QColor kSelectYellow(255, 255, 144);  // $0090FFFF
const QColor kPicturePanelColour(0xE4, 0xEC, 0xF6);

constexpr const char* kPrevBlockedText =
    "For data integrity reasons the previous button has been disabled.\r\n\r\n"
    "Please work forward through the screens until you reach navigation screen.";

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QRect& bounds) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(bounds);
    return widget;
}

void Paint(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPushButton* MakeButton(QWidget* parent, const char* name, std::string_view caption,
                        std::string_view hint, const QRect& bounds) {
    auto* button = Named(new QPushButton(FromWin1252(caption), parent), name, bounds);
    button->setToolTip(FromWin1252(hint));
    button->setAccessibleDescription(FromWin1252(hint));
    platform::PressOnEnter(*button);
    return button;
}

// A heading of the picture panel: a marked-up text with one line per section.
controls::TTextLbl* MakeHeading(QWidget* parent, platform::Dialogs& dialogs, const char* name,
                                const QRect& bounds, std::vector<std::string> sections) {
    auto* heading = Named(new controls::TTextLbl(parent, dialogs), name, bounds);
    heading->SetName(name);
    heading->SetText(std::move(sections));
    heading->SetTransparent(true);
    heading->SetCurrentSection(1);
    heading->Loaded();
    return heading;
}

// Delivers what the screen's own widgets have pending (polishing, layout and paint requests).
// Messages for the frame itself wait for the event loop: a load-screen message delivered here
// would start a second load inside this one.
void DeliverPendingEventsOf(QWidget& root) {
    QCoreApplication::sendPostedEvents(&root, 0);
    for (QWidget* child : root.findChildren<QWidget*>()) {
        QCoreApplication::sendPostedEvents(child, 0);
    }
}

// The first visible, enabled windowed control among the screen's controls, in creation order,
// whose tab order is `tabOrder`; scroll boxes and group boxes are looked into, one level deep.
// A panel takes no focus itself: the first control it holds stands for it, so that the keys
// reach an answer (a Yes/No pair on a panel of its own) at once.
QWidget* FindByTabOrder(const TChildForm& screen, int tabOrder) {
    auto controlsOf = [&screen](const QWidget* parent) {
        std::vector<QWidget*> controls;
        for (QObject* component : screen.Components()) {
            auto* widget = qobject_cast<QWidget*>(component);
            if (widget != nullptr && widget->parentWidget() == parent) controls.push_back(widget);
        }
        return controls;
    };
    auto usable = [](const QWidget* widget) { return !widget->isHidden() && widget->isEnabled(); };
    auto focusOf = [&](QWidget* widget) -> QWidget* {
        if (!usable(widget) || TabOrderOf(widget) != tabOrder) return nullptr;
        if (widget->focusPolicy() != Qt::NoFocus) return widget;
        for (QWidget* held : screen.TabChain())
            if (widget->isAncestorOf(held) && held->isVisible() && held->isEnabled()) return held;
        return nullptr;
    };
    for (QWidget* control : controlsOf(&screen)) {
        if (!usable(control)) continue;
        const QWidget* inner = nullptr;
        if (auto* scrollBox = qobject_cast<QScrollArea*>(control)) inner = scrollBox->widget();
        if (qobject_cast<QGroupBox*>(control) != nullptr) inner = control;
        if (inner == nullptr) {
            if (QWidget* focus = focusOf(control)) return focus;
            continue;
        }
        for (QWidget* child : controlsOf(inner)) {
            if (QWidget* focus = focusOf(child)) return focus;
        }
    }
    return nullptr;
}

// Runs `action` when the scope ends, however it ends.
template <typename Action>
class AtScopeEnd {
public:
    explicit AtScopeEnd(Action action) : action_(std::move(action)) {}
    ~AtScopeEnd() { action_(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    Action action_;
};

}  // namespace

TFrameWnd::TFrameWnd(QWidget* parent, TFrameServices services)
    : QWidget(parent),
      services_(services),
      store_(services.Store),
      dialogs_(services.Dialogs),
      run_(services.Run),
      screenContext_{services.Store, services.Dialogs, services.Run, this} {
    setObjectName(QStringLiteral("FrameWnd"));
    setFont(controls::QtFont(controls::TFontDesc{}, logicalDpiY()));  // "Arial" 10 points
    resize(kFrameWidth, kFrameHeight);
    CreateControls();
    resizer_ = std::make_unique<controls::TFormResizer>(this);
    resizer_->TakeSnapshot();
}

TFrameWnd::~TFrameWnd() {
    // The screen goes first, while everything it may reach is still there; the hooks it
    // registered die with it.
    screen_.reset();
    run_.NextYesNo = nullptr;
    run_.LeaveCheck = nullptr;
    run_.ListClick = nullptr;
    run_.ScreenShown = false;
}

void TFrameWnd::Guarded(const std::function<void()>& action) noexcept {
    platform::ReportErrors(dialogs_, action);
}

void TFrameWnd::CreateControls() {
    imagePanel_ = Named(new QWidget(this), "ImagePanel", kImagePanelBounds);
    Paint(imagePanel_, kPicturePanelColour);
    image1_ = Named(new TPictureBox(imagePanel_, TFramePicture::Ledger), "Image1", kPictureBounds);
    iImage_ = Named(new TPictureBox(imagePanel_, TFramePicture::Information), "IImage",
                    kMarkerBounds);
    qImage_ = Named(new TPictureBox(imagePanel_, TFramePicture::Question), "QImage",
                    kMarkerBounds);
    fImage_ = Named(new TPictureBox(imagePanel_, TFramePicture::Form), "FImage", kMarkerBounds);
    ShowSectionMarker(kInformationMarker);

    navigatorPanel_ = Named(new QWidget(imagePanel_), "fcOutlookBar1", kSidePanelBounds);
    navigatorTitle_ = Named(new QPushButton(FromWin1252(kNavigatorTitle), navigatorPanel_),
                            "fcNavTitle", QRect(0, 0, kSidePanelBounds.width(), 26));
    navigatorTitle_->setFocusPolicy(Qt::NoFocus);
    navigator_ = Named(new QTreeWidget(navigatorPanel_), "fcNavigator",
                       QRect(0, 26, kSidePanelBounds.width(), kSidePanelBounds.height() - 26));
    navigator_->setHeaderHidden(true);
    navigator_->setColumnCount(1);
    navigator_->setRootIsDecorated(false);
    navigatorPanel_->hide();
    navigator_->setAccessibleName(FromWin1252(kNavigatorTitle));
    ChooseLines(*navigator_, TChooseBy::Click, [this](const QModelIndex& line) {
        Guarded([this, line] { NavigatorNodeClick(navigator_->itemFromIndex(line)); });
    });

    actionPanel_ = Named(new QWidget(imagePanel_), "ActionPanel", kSidePanelBounds);
    wsheetHdrLbl_ = MakeHeading(actionPanel_, dialogs_, "WsheetHdrLbl",
                                QRect(4, 4, kSidePanelInner, 22),
                                {"<s1><T1>Existing worksheets<.>", "<s2><T1>Concessions<.>"});
    lstPickList_ = Named(new QListWidget(actionPanel_), "lstPickList",
                         QRect(4, 28, kSidePanelInner, 166));
    btnRemove_ = Named(new QPushButton(QStringLiteral("Delete"), actionPanel_), "btnRemove",
                       QRect(4, 198, kSidePanelInner, kButtonHeight));
    actionPanel_->hide();
    lstPickList_->setAccessibleName(FromWin1252(kWorksheetsTitle));
    ChooseLines(*lstPickList_, TChooseBy::Click, [this](const QModelIndex& line) {
        Guarded([this, line] { PickListClick(line.row()); });
    });
    platform::PressOnEnter(*btnRemove_);
    connect(btnRemove_, &QPushButton::clicked, this,
            [this] { Guarded([this] { BtnRemoveClick(); }); });

    panelFreeFormSelect_ = Named(new QWidget(imagePanel_), kSelectPanelName, kSelectPanelBounds);
    textLbl3_ = MakeHeading(panelFreeFormSelect_, dialogs_, "TextLbl3",
                            QRect(4, 4, kSidePanelInner, 22),
                            {"<s1><T1>Existing worksheets<.>", "<s2><T1>FTB Navigator<.>"});
    listBoxFFS_ = Named(new QListWidget(panelFreeFormSelect_), "ListBoxFFS",
                        QRect(4, 28, kSidePanelInner, kSelectPanelBounds.height() - 32));
    panelFreeFormSelect_->hide();
    listBoxFFS_->setAccessibleName(FromWin1252(kWorksheetsTitle));
    ChooseLines(*listBoxFFS_, TChooseBy::Click, [this](const QModelIndex& line) {
        Guarded([this, line] { ListBoxFFSClick(listBoxFFS_->item(line.row())); });
    });

    label1_ = Named(new QLabel(imagePanel_), "Label1",
                    QRect(10, kImagePanelBounds.height() - kScreenNumberHeight,
                          kImagePanelBounds.width() - 20, kScreenNumberHeight));
    label1_->setAlignment(Qt::AlignCenter);

    titleLabel_ = Named(new QLabel(QStringLiteral("I want you to know ..."), this), "TitleLabel",
                        kTitleBounds);
    titleLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    clientPanel_ = Named(new QWidget(this), "ClientPanel", kClientBounds);
    Paint(clientPanel_, Qt::white);

    const int left = kClientBounds.x();
    const int right = kClientBounds.x() + kClientBounds.width() - kButtonWidth;
    auto slot = [](int x) { return QRect(x, kButtonTop, kButtonWidth, kButtonHeight); };
    btnIntHelp_ = MakeButton(this, "BtnIntHelp", "&More", "Read more on this item.", slot(left));
    btnCancel_ = MakeButton(this, "BtnCancel", "&Close", "Leave the interview process.",
                            slot(left + kButtonWidth + 5));
    btnPrev_ = MakeButton(this, "BtnPrev", "&Prev",
                          "Backtrack the interview to the screen previously viewed.",
                          slot(right - 2 * (kButtonWidth + 5)));
    btnYes_ = MakeButton(this, "BtnYes", "&Yes",
                         "Click here if your answer to the question(s) asked on the screen is Yes.",
                         slot(right - (kButtonWidth + 5)));
    // No takes Next's place: the two are never shown together.
    btnNo_ = MakeButton(this, "BtnNo", "&No",
                        "Click here if your answer to the question(s) asked on the screen is No.",
                        slot(right));
    btnNext_ = MakeButton(this, "BtnNext", "&Next", "Proceeds to the next stage of the interview.",
                          slot(right));
    btnYes_->hide();
    btnNo_->hide();
    btnIntHelp_->hide();

    connect(btnNext_, &QPushButton::clicked, this, [this] { Guarded([this] { BtnNextClick(); }); });
    connect(btnPrev_, &QPushButton::clicked, this, [this] { Guarded([this] { BtnPrevClick(); }); });
    connect(btnYes_, &QPushButton::clicked, this,
            [this] { Guarded([this] { BtnYesNoClick(btnYes_); }); });
    connect(btnNo_, &QPushButton::clicked, this,
            [this] { Guarded([this] { BtnYesNoClick(btnNo_); }); });
    connect(btnCancel_, &QPushButton::clicked, this,
            [this] { Guarded([this] { BtnCancelClick(); }); });
    connect(btnIntHelp_, &QPushButton::clicked, this,
            [this] { Guarded([this] { BtnIntHelpClick(); }); });

    ApplyFrameFonts(1, 1);
    ChainFrameControls(nullptr);
}

void TFrameWnd::ChainFrameControls(QWidget* lastOfScreen) {
    // After the screen's own controls: the buttons from left to right, then the side panels.
    QWidget* const chain[] = {btnIntHelp_, btnCancel_, btnPrev_,     btnYes_,     btnNo_,
                              btnNext_,    navigator_, lstPickList_, btnRemove_, listBoxFFS_};
    QWidget* previous = lastOfScreen;
    for (QWidget* control : chain) {
        if (previous) setTabOrder(previous, control);
        previous = control;
    }
}

bool TFrameWnd::CanLeaveScreen() {
    if (!run_.LeaveCheck) return true;
    const TLeaveCheck check = run_.LeaveCheck;  // the check may register another one
    TCloseAction action = caHide;
    try {
        check(nullptr, action);
    } catch (...) {
        run_.ScreenValid = true;
        throw;
    }
    if (!run_.ScreenValid) {
        run_.ScreenValid = true;
        return false;
    }
    run_.LeaveCheck = nullptr;
    return true;
}

void TFrameWnd::SaveScreenToFields() {
    if (screen_) interview::SaveScreenToFields(*screen_, store_);
}

void TFrameWnd::LoadFieldsToScreen() {
    if (!screen_) return;
    interview::LoadFieldsToScreen(*screen_, store_, [this](int JumpID) { ShowHelp(JumpID); });
}

void TFrameWnd::LoadScreen() {
    // A load asked for while one runs (a load-screen message delivered in a nested event loop of
    // a box, or a screen asking from its create or show handler) follows once this one is done.
    if (loading_) {
        loadDeferred_ = true;
        return;
    }
    loading_ = true;
    const AtScopeEnd finish([this] {
        loading_ = false;
        if (std::exchange(loadDeferred_, false)) {
            platform::PostMessage(this, platform::kLoadScreenMessage);
        }
    });

    if (reload_) {
        reload_ = false;
    } else {
        const bool changed = (run_.ScreenGroup != lastGroup_ && run_.ScreenShown) ||
                             run_.ScreenIndex != lastIndex_;
        if (changed && !CanLeaveScreen()) {
            run_.ScreenGroup = lastGroup_;
            run_.ScreenIndex = lastIndex_;
            return;
        }
    }

    run_.NextYesNo = nullptr;

    if (run_.ScreenShown) {
        SaveScreenToFields();
        if (store_.CurrentWorksheetList() != 0) CloseWorksheetList();
        screen_.reset();
        run_.LeaveCheck = nullptr;
        // A list click handler belongs to the screen that registered it.
        run_.ListClick = nullptr;
        run_.ScreenShown = false;
        ShowNavigator(false);
    }

    if (lastGroup_ > 0 && lastGroup_ != run_.ScreenGroup) store_.SetModified(true);

    btnYes_->hide();
    btnNo_->hide();
    btnCancel_->show();
    btnPrev_->show();

    run_.CurrentScreen = run_.ScreenGroup * 100 + run_.ScreenIndex;
    screen_ = services_.Screens.CreateScreen(run_.CurrentScreen, screenContext_);
    ++screensCreated_;

    if (!screen_) {
        // A number outside the catalogue hands the interview back to the host.
        run_.ExitScreen = run_.CurrentScreen;
        if (services_.MainWindow.CloseQuery()) services_.MainWindow.CloseHandler(btnYes_);
        return;
    }

    run_.ScreenShown = true;
    if (NavigatorVisible()) SynchroniseNavigator(run_.CurrentScreen);

    if (!backwardMove_ && (run_.ScreenGroup != lastGroup_ || run_.ScreenIndex != lastIndex_)) {
        run_.ScreenHistory.push_back(run_.CurrentScreen);
    }
    backwardMove_ = false;
    lastGroup_ = run_.ScreenGroup;
    lastIndex_ = run_.ScreenIndex;

    label1_->setText(QString::number(run_.CurrentScreen));
    btnIntHelp_->show();
    btnNext_->setVisible(btnNo_->isHidden());

    LoadFieldsToScreen();

    TChildForm& screen = *screen_;
    screen.setParent(clientPanel_);
    ScaleShownScreen();
    screen.setGeometry(clientPanel_->rect());
    screen.show();
    screen.FormShow(this);
    screen.raise();
    DeliverPendingEventsOf(screen);
    repaint();

    if (!screen.Caption.empty()) titleLabel_->setText(FromWin1252(screen.Caption));
    ShowSectionMarker(screen.VertScrollBarMargin);
    btnNext_->setVisible(btnNo_->isHidden());
    const std::vector<QWidget*>& chain = screen.TabChain();
    ChainFrameControls(chain.empty() ? nullptr : chain.back());
    NameScreenControls(screen);
    FocusByTabOrder();
}

void TFrameWnd::ShowSectionMarker(int margin) {
    qImage_->setVisible(margin == kQuestionMarker);
    fImage_->setVisible(margin == kFormMarker);
    iImage_->setVisible(margin != kQuestionMarker && margin != kFormMarker && margin != kNoMarker);
}

void TFrameWnd::FocusByTabOrder() {
    if (!screen_->isHidden() && screen_->isEnabled()) screen_->setFocus();
    if (QWidget* control = FindByTabOrder(*screen_, focusTabOrder_)) {
        control->setFocus();
    } else if (!btnYes_->isHidden()) {
        btnYes_->setFocus();
    } else {
        btnNext_->setEnabled(true);
        btnNext_->setFocus();
    }
    focusTabOrder_ = 0;
}

void TFrameWnd::BtnNextClick() {
    if (run_.NextYesNo) {
        const TNotifyHook handler = run_.NextYesNo;  // it may register another one
        handler(btnNext_);
    } else {
        run_.ScreenIndex += 1;
    }
    // Next is disabled while the move runs; disabling it hands its focus on (to the main
    // window's buttons, as the focus chain goes), so a refused move gives the focus back.
    const bool hadFocus = btnNext_->hasFocus();
    const std::uint64_t created = screensCreated_;
    btnNext_->setEnabled(false);
    const AtScopeEnd enable([this, hadFocus, created] {
        btnNext_->setEnabled(true);
        btnPrev_->setEnabled(true);
        if (hadFocus && screensCreated_ == created && screen_) btnNext_->setFocus();
    });
    LoadScreen();
}

void TFrameWnd::BtnYesNoClick(QObject* Sender) {
    if (run_.NextYesNo) {
        const TNotifyHook handler = run_.NextYesNo;
        handler(Sender);
    }
    btnNext_->setEnabled(true);
}

void TFrameWnd::BtnPrevClick() {
    if (run_.ScreenGroup == kFtbScreenGroup &&
        controls::ReadStateField(store_, controls::kPrevBlockedField) == run_.ScreenIndex) {
        dialogs_.Information(kPrevBlockedText);
        return;
    }
    if (run_.ScreenHistory.size() < 2) return;
    const std::int32_t left = run_.ScreenHistory.back();
    const std::int32_t shown = run_.CurrentScreen;
    run_.ScreenHistory.pop_back();
    const std::int32_t earlier = run_.ScreenHistory.back();
    run_.CurrentScreen = earlier;
    run_.SetScreen(earlier);
    backwardMove_ = true;
    LoadScreen();
    if (run_.ScreenGroup * 100 + run_.ScreenIndex != earlier) {
        // The leave check kept the screen: it stays the newest entry of the history.
        run_.ScreenHistory.push_back(left);
        run_.CurrentScreen = shown;
    }
}

void TFrameWnd::BtnCancelClick() {
    if (services_.MainWindow.CloseQuery()) services_.MainWindow.CloseHandler(btnCancel_);
}

void TFrameWnd::BtnIntHelpClick() {
    if (screen_) ShowHelp(screen_->HelpContext);
}

void TFrameWnd::ShowHelp(int context) { services_.Help.ShowTopic(context); }

void TFrameWnd::ShowSelectPanel(std::string_view name) {
    if (name == kSelectPanelName) {
        textLbl3_->SetCurrentSection(1);
        Paint(panelFreeFormSelect_, kSelectYellow);
        Paint(listBoxFFS_, kSelectYellow);
        selectedName_.clear();
        panelFreeFormSelect_->show();
        panelFreeFormSelect_->raise();
    } else if (name.empty()) {
        panelFreeFormSelect_->hide();
    }
}

void TFrameWnd::ListBoxFFSClick(QListWidgetItem* item) {
    if (item == nullptr) return;
    const std::string text = platform::ToWin1252(item->text());
    selectedName_ = text == kCreateNewWorksheet ? std::string() : text;
    if (run_.ListClick) {
        const TNotifyHook handler = run_.ListClick;
        handler(listBoxFFS_);
    }
    listBoxFFS_->setFocus();
}

void TFrameWnd::CloseFrame() {
    if (store_.CurrentWorksheetList() != 0) CloseWorksheetList();
    run_.ScreenShown = false;
}

bool TFrameWnd::event(QEvent* event) {
    if (event->type() == static_cast<QEvent::Type>(platform::kLoadScreenMessage)) {
        Guarded([this] { LoadScreen(); });
        return true;
    }
    return QWidget::event(event);
}

}  // namespace ftb::interview
