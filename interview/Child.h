#pragma once
// TChildForm, the base of every question screen. A screen is created by the catalogue for one
// visit, its controls are bound to fields by their Tag, the frame embeds, scales and shows it and
// talks to it through the hooks of the run state. A screen keeps nothing of its own: lasting
// state lives in fields.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/FieldStore.h"
#include "interview/RunState.h"
#include "platform/Dialogs.h"

namespace ftb::controls {
class TTaxEdit;
}

namespace ftb::interview {

class TFrameWnd;
class TChildForm;

// What a screen works with. Frame is null only for screens built outside a frame (tests of
// the builder and the binding).
struct TScreenContext {
    data::FieldStore& Store;
    platform::Dialogs& Dialogs;
    TRunState& Run;
    TFrameWnd* Frame = nullptr;
};

using TChildFormEvent = std::function<void(QObject* Sender)>;

// The design size of every question screen.
constexpr int kDesignWidth = 630;
constexpr int kDesignHeight = 482;

// Section markers, the values of the vertical scroll bar margin.
constexpr int kQuestionMarker = 1;
constexpr int kFormMarker = 2;
constexpr int kNoMarker = 99;
constexpr int kInformationMarker = 0;
// The vertical scroll bar increment that marks a section to be completed before saving.
constexpr int kMustCompleteIncrement = 99;

// A component's Tag: the field it edits when 1..1999 (0 when it has none).
int TagOf(const QObject* component);
void SetTag(QObject* component, int tag);
// A control's tab order among the windowed controls of its parent (-1: none).
int TabOrderOf(const QObject* control);
void SetTabOrder(QObject* control, int order);

class TChildForm : public QWidget {
    Q_OBJECT

public:
    // Invisible, borderless, at the parent's origin with the design size 630 x 482.
    explicit TChildForm(TScreenContext& context);
    ~TChildForm() override;

    // Published properties: plain values, nothing happens when they are set.
    std::int32_t ContextStop = 0;
    std::int32_t ContextCaution = 0;
    std::int32_t ContextNeedToKnow = 0;
    bool ShowDeleteButton = false;
    bool ShowNextButton = false;
    bool ShowPrevButton = false;
    bool ShowYesButton = false;
    bool ShowNoButton = false;
    bool ShowCloseButton = false;
    bool ShowDeleteItemButton = false;
    bool HideNavigator = false;
    TChildFormEvent OnUserRemove;     // declared, never raised
    TChildFormEvent OnYesNoClick;     // the screen's usual Next/Yes/No handler
    TChildFormEvent OnPreviousClick;  // declared, never raised

    // Form properties the frame reads. The catalogue sets caption, help context and marker.
    std::string Caption;  // Windows-1252; shown as the frame's title when not empty
    std::int32_t HelpContext = 0;
    std::int32_t VertScrollBarMargin = kInformationMarker;  // the section marker
    std::int32_t VertScrollBarIncrement = 8;                // 99: complete before saving

    // The create handler: run by the catalogue once the controls exist (registers hooks, opens
    // worksheets). The show handler: run by the frame after the screen is shown, and again when
    // a worksheet is selected (Sender: the frame).
    virtual void FormCreate() {}
    virtual void FormShow(QObject* Sender) { (void)Sender; }

    // The components in creation order, as the binding walks them.
    const std::vector<QObject*>& Components() const { return components_; }
    void AddComponent(QObject* component);
    // The controls Tab goes through, in declaration order, as the screen builder chained them.
    const std::vector<QWidget*>& TabChain() const { return tabChain_; }
    void SetTabChain(std::vector<QWidget*> chain) { tabChain_ = std::move(chain); }
    // The component of that object name; throws EFtbError when there is none of that type (a
    // fault of the screen's declaration).
    QObject* FindComponent(std::string_view name) const;
    template <typename T>
    T* Find(std::string_view name) const;

    // Scales positions, sizes and fonts of every control by M/D (marked-up texts and grids by
    // their own rules); the frame does it when M differs from D.
    void ChangeScale(int M, int D);

    TScreenContext& Context() const { return context_; }
    data::FieldStore& Store() const { return context_.Store; }
    platform::Dialogs& Dialogs() const { return context_.Dialogs; }
    TRunState& Run() const { return context_.Run; }
    // The frame the screen is shown in; throws EFtbError for a screen outside a frame.
    TFrameWnd& Frame() const;
    // The screen index, which tells the positions of a class that serves several numbers apart.
    int ScreenIndex() const { return context_.Run.ScreenIndex; }

    // The dialog helpers every screen uses.
    void ShowError(const std::string& text) const { Dialogs().Error(text); }
    void ShowInformation(const std::string& text) const { Dialogs().Information(text); }
    bool AskQuestion(const std::string& text) const { return Dialogs().Question(text); }
    bool AskWarning(const std::string& text, const std::string& title) const {
        return Dialogs().Warning(title, text);
    }

    // Runs an event handler of the screen so that no exception reaches the event loop.
    template <typename Action>
    void Guarded(Action&& action) const noexcept {
        platform::ReportErrors(Dialogs(), std::forward<Action>(action));
    }

private:
    [[noreturn]] static void MissingComponent(std::string_view name);

    TScreenContext& context_;
    std::vector<QObject*> components_;
    std::vector<QWidget*> tabChain_;
};

template <typename T>
T* TChildForm::Find(std::string_view name) const {
    QObject* component = FindComponent(name);
    T* typed = dynamic_cast<T*>(component);
    if (!typed) MissingComponent(name);
    return typed;
}

}  // namespace ftb::interview
