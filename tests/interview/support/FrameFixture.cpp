#include "interview/support/FrameFixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>

#include "interview/support/ScreenTestKit.h"
#include "platform/QtText.h"

namespace ftb::interview::frametest {

THostWindow::THostWindow(TRunState& run, platform::Dialogs& dialogs)
    : run_(run), dialogs_(dialogs) {
    setObjectName(QStringLiteral("HostWindow"));
}

bool THostWindow::CloseQuery() {
    ++CloseQueries;
    if (!run_.ScreenShown) return true;
    dialogs_.WarningBox(kMustCompleteText);
    return false;
}

void THostWindow::CloseHandler(QObject* Sender) { CloseSenders.push_back(Sender); }

TTestScreen::TTestScreen(TScreenContext& context, const TTestScreenClass& screenClass)
    : TChildForm(context), onCreate_(screenClass.OnCreate), onShow_(screenClass.OnShow) {
    Build(*this, screenClass.Controls);
}

void TTestScreen::FormCreate() {
    if (onCreate_) onCreate_(*this);
}

void TTestScreen::FormShow(QObject* Sender) {
    if (onShow_) onShow_(*this, Sender);
}

FrameFixture::FrameFixture() : Help(FTB_SOURCE_DIR "/help/FTB2002.HLP") {
    Dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
    Host = std::make_unique<THostWindow>(Run, Dialogs);
    Frame = new TFrameWnd(Host.get(), TFrameServices{Store, Dialogs, Run, Screens, Help, *Host});
    Host->resize(Frame->size());
    if (!testkit::ShowActive(*Host)) ADD_FAILURE() << "the host window was never activated";
}

FrameFixture::~FrameFixture() = default;

void FrameFixture::TearDown() {
    for (const std::string& unmet : Dialogs.Unmet()) ADD_FAILURE() << unmet;
}

void FrameFixture::RegisterScreen(const std::string& className, TTestScreenClass screenClass) {
    Screens.Register(className, [this, className, screenClass = std::move(screenClass)](
                                    TScreenContext& context) -> std::unique_ptr<TChildForm> {
        ++created_[className];
        return std::make_unique<TTestScreen>(context, screenClass);
    });
}

int FrameFixture::Created(const std::string& className) const {
    const auto count = created_.find(className);
    return count == created_.end() ? 0 : count->second;
}

void FrameFixture::Start(int number) {
    Run.SetScreen(number);
    Frame->LoadScreen();
    ProcessEvents();
}

void FrameFixture::Click(const std::string& name) {
    QTest::mouseClick(&Find<QAbstractButton>(name), Qt::LeftButton);
    ProcessEvents();
}

void FrameFixture::Type(const std::string& name, const std::string& text) {
    auto& edit = Find<QLineEdit>(name);
    edit.setFocus();
    QTest::keyClicks(&edit, platform::FromWin1252(text));
}

void FrameFixture::ProcessEvents() {
    // A load-screen message may post the next one (a load asked for during a load follows it).
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QWidget* FrameFixture::Located(const std::string& name,
                               const std::function<bool(QWidget*)>& ofType, bool usable) const {
    const QString objectName = platform::FromWin1252(name);
    QWidget* found = nullptr;
    for (QWidget* widget : Host->findChildren<QWidget*>(objectName)) {
        if (ofType(widget)) {
            found = widget;
            break;
        }
    }
    if (found == nullptr) throw std::runtime_error("no control \"" + name + "\" of that type");
    if (usable && !found->isVisible()) throw std::runtime_error("\"" + name + "\" is hidden");
    if (usable && !found->isEnabled()) throw std::runtime_error("\"" + name + "\" is disabled");
    return found;
}

}  // namespace ftb::interview::frametest
