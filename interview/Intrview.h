#pragma once
// TFrameWnd, the window the interview runs in: one question screen at a time in the client
// panel, the buttons that move through the interview, the title line, the picture panel with the
// section markers, the select panel, the worksheet panel and the navigator, and the screen
// history. It decides nothing about the order of screens: a screen sets the next screen number
// and the frame loads whatever number results; a number that belongs to no screen hands the
// interview back to the host.
//
// The frame's code is split by subject: Intrview.cpp (construction, LoadScreen, the buttons,
// history, select panel, help links, the load-screen message), IntrviewScaling.cpp (the frame's
// resizer and the M/D rescale of screens), IntrviewWorksheets.cpp (worksheet mode) and
// Navigator.cpp (the navigator tree).
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "data/FieldStore.h"
#include "interview/Child.h"
#include "interview/RunState.h"
#include "platform/Dialogs.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ftb::platform {
class Help;
}
namespace ftb::controls {
class TTextLbl;
class TFormResizer;
}  // namespace ftb::controls

namespace ftb::interview {

class TScreenRegistry;
class TMainWindowLink;
class TPictureBox;

// What the frame works with; all of it outlives the frame.
struct TFrameServices {
    data::FieldStore& Store;
    platform::Dialogs& Dialogs;
    TRunState& Run;
    const TScreenRegistry& Screens;
    platform::Help& Help;
    TMainWindowLink& MainWindow;
};

inline constexpr std::string_view kCreateNewWorksheet = "** Create new worksheet **";
inline constexpr std::string_view kNavigatorTitle = "FTB Navigator";
inline constexpr std::string_view kWorksheetsTitle = "Existing worksheets";

class TFrameWnd : public QWidget {
    Q_OBJECT
    // The screen history, newest last, for a host that looks at the frame (scenario scripts).
    Q_PROPERTY(QList<int> ScreenHistory READ ScreenHistoryList)

public:
    TFrameWnd(QWidget* parent, TFrameServices services);
    QList<int> ScreenHistoryList() const {
        return {run_.ScreenHistory.begin(), run_.ScreenHistory.end()};
    }
    ~TFrameWnd() override;

    // --- Loading screens and moving through the interview (Intrview.cpp) -------------------
    // Shows the screen of the run's screen group and index, leaving the shown one first.
    void LoadScreen();
    // Runs the shown screen's leave check; true when there is none or it passed.
    bool CanLeaveScreen();
    void SaveScreenToFields();
    void LoadFieldsToScreen();
    // "PanelFreeFormSelect" shows the select panel (heading "Existing worksheets", light yellow)
    // and clears the selected name; an empty name hides it. Screens fill ListBoxFFS themselves.
    void ShowSelectPanel(std::string_view name);
    const std::string& SelectedName() const { return selectedName_; }
    void SetSelectedName(std::string name) { selectedName_ = std::move(name); }
    bool BackwardMove() const { return backwardMove_; }
    void SetBackwardMove(bool on) { backwardMove_ = on; }
    // Closing the frame: an open worksheet list is packed and closed, no screen is shown.
    void CloseFrame();
    void ShowHelp(int context);
    TChildForm* Screen() const { return screen_.get(); }

    // The buttons' handlers, as a click runs them.
    void BtnNextClick();
    void BtnPrevClick();
    void BtnYesNoClick(QObject* Sender);
    void BtnCancelClick();
    void BtnIntHelpClick();

    QLabel* TitleLabel() const { return titleLabel_; }
    QWidget* ClientPanel() const { return clientPanel_; }
    QWidget* ImagePanel() const { return imagePanel_; }
    QLabel* ScreenNumberLabel() const { return label1_; }  // Label1
    QPushButton* BtnNext() const { return btnNext_; }
    QPushButton* BtnPrev() const { return btnPrev_; }
    QPushButton* BtnYes() const { return btnYes_; }
    QPushButton* BtnNo() const { return btnNo_; }
    QPushButton* BtnCancel() const { return btnCancel_; }
    QPushButton* BtnIntHelp() const { return btnIntHelp_; }
    QWidget* PanelFreeFormSelect() const { return panelFreeFormSelect_; }
    QListWidget* ListBoxFFS() const { return listBoxFFS_; }

    // --- Scaling (IntrviewScaling.cpp) -------------------------------------------------------
    int ScaleM() const { return scaleM_; }
    int ScaleD() const { return scaleD_; }
    QSize DesignClientSize() const { return designClient_; }

    // --- Worksheet mode (IntrviewWorksheets.cpp) -------------------------------------------
    void OpenWorksheetList(int n);
    void OpenWorksheetListAt(int n, int k);
    void SelectWorksheet(int k);
    void SaveCurrentWorksheet();
    bool DeleteWorksheet(int k);
    void CloseWorksheetList();
    void LoadWorksheetAt(int n, int k);
    void StoreWorksheetAt(int n, int k);
    void RefreshPickList();
    void BuildWorksheetNames();
    // The names list while a worksheet list is open (null otherwise).
    const data::TextList* WorksheetNames() const {
        return worksheetNames_ ? &*worksheetNames_ : nullptr;
    }
    int SelectedWorksheet() const { return selectedWorksheet_; }
    // Screens show or hide the worksheet panel themselves.
    void ShowActionPanel(bool show);
    QWidget* ActionPanel() const { return actionPanel_; }
    QListWidget* PickList() const { return lstPickList_; }  // lstPickList
    QPushButton* BtnRemove() const { return btnRemove_; }

    // --- Navigator (Navigator.cpp) ----------------------------------------------------------
    void BuildNavigator();
    void AddNode(std::string_view text, int screenIndex);  // -1: a node that leads nowhere
    bool AddNodeIfAnswered(int field, std::string_view text, int screenIndex);
    // Selects the node of the given screen number as LoadScreen does while the navigator shows.
    void SynchroniseNavigator(int currentScreen);
    // Lists the worksheet names in the navigator, titled "Existing worksheets".
    void FillNavigatorWithNames(int selectedLine);
    void ShowNavigator(bool show);
    bool NavigatorVisible() const;
    QWidget* NavigatorPanel() const { return navigatorPanel_; }  // fcOutlookBar1
    QPushButton* NavigatorTitle() const { return navigatorTitle_; }  // fcNavTitle
    QTreeWidget* Navigator() const { return navigator_; }  // fcNavigator

protected:
    bool event(QEvent* event) override;  // the load-screen message 1027
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Intrview.cpp
    void CreateControls();
    void ShowSectionMarker(int margin);
    void FocusByTabOrder();
    // Tab goes from the screen's last control (null: none) to the buttons and the side panels.
    void ChainFrameControls(QWidget* lastOfScreen);
    void ListBoxFFSClick(QListWidgetItem* item);
    void Guarded(const std::function<void()>& action) noexcept;

    // IntrviewScaling.cpp
    void ClientPanelResized();
    void ScaleShownScreen();
    // The fonts of the title, the navigator and the buttons at M/D of their design sizes.
    void ApplyFrameFonts(int M, int D);
    void PlaceScreenNumberLabel();

    // IntrviewWorksheets.cpp
    void PickListClick(int line);
    void BtnRemoveClick();
    void WorksheetNodeClick(int position);
    bool WorksheetIsEmpty() const;
    void InsertWorksheetEntries(int k, std::size_t position);
    // Packs the shown screen into the current worksheet; true when that dropped it as empty.
    bool SaveShownWorksheet();

    // Navigator.cpp
    void NavigatorNodeClick(QTreeWidgetItem* node);

    TFrameServices services_;
    data::FieldStore& store_;
    platform::Dialogs& dialogs_;
    TRunState& run_;

    // Design font sizes in points; every button gets the Close button's.
    static constexpr int kTitlePoints = 12;
    static constexpr int kNavigatorPoints = 10;
    static constexpr int kButtonPoints = 10;

    std::unique_ptr<TChildForm> screen_;
    TScreenContext screenContext_;
    // A LoadScreen is running; a load asked for meanwhile is posted once it has finished.
    bool loading_ = false;
    bool loadDeferred_ = false;
    // Counts the screens created, so that a move can tell whether it brought a new one.
    std::uint64_t screensCreated_ = 0;
    int lastGroup_ = -1;
    int lastIndex_ = -1;
    bool backwardMove_ = false;
    bool reload_ = false;
    int focusTabOrder_ = 0;
    std::string selectedName_;

    QSize designClient_;
    int scaleM_ = 1;
    int scaleD_ = 1;
    bool screenScaled_ = false;
    std::unique_ptr<controls::TFormResizer> resizer_;

    std::optional<data::TextList> worksheetNames_;
    int selectedWorksheet_ = 0;

    QLabel* titleLabel_ = nullptr;
    QWidget* clientPanel_ = nullptr;
    QWidget* imagePanel_ = nullptr;
    TPictureBox* image1_ = nullptr;
    TPictureBox* iImage_ = nullptr;
    TPictureBox* qImage_ = nullptr;
    TPictureBox* fImage_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnPrev_ = nullptr;
    QPushButton* btnYes_ = nullptr;
    QPushButton* btnNo_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnIntHelp_ = nullptr;
    QWidget* panelFreeFormSelect_ = nullptr;
    controls::TTextLbl* textLbl3_ = nullptr;
    QListWidget* listBoxFFS_ = nullptr;
    QWidget* actionPanel_ = nullptr;
    controls::TTextLbl* wsheetHdrLbl_ = nullptr;
    QListWidget* lstPickList_ = nullptr;
    QPushButton* btnRemove_ = nullptr;
    QWidget* navigatorPanel_ = nullptr;
    QPushButton* navigatorTitle_ = nullptr;
    QTreeWidget* navigator_ = nullptr;
};

}  // namespace ftb::interview
