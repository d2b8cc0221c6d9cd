// Resizing the interview frame: its own controls keep their proportions, the shown screen is
// rebuilt at the scale of the client panel to its first-shown size without its leave check and
// with the focus on the control of the same tab order, and the title, navigator and button
// fonts follow the scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "controls/QtTextCanvas.h"
#include "interview/support/FrameFixture.h"

namespace ftb::interview {
namespace {

using frametest::FrameFixture;

// The pixel size of an "Arial" font of that many points on the test display.
int Pixels(int points) { return controls::FontPixelSize(points, 96); }

class FrameScalingTest : public FrameFixture {
protected:
    void SetUp() override {
        RegisterScreen("TQFTB_02", {
            .Controls = {
                Edit("edtFirst", 1246, {100, 40, 120, 22}),
                Group("grpMore", {100, 100, 300, 120}),
                Edit("edtInner", 1247, {10, 20, 120, 22}).In("grpMore"),
                Edit("edtInner2", 1249, {10, 60, 120, 22}).In("grpMore"),
                Edit("edtSecond", 1248, {100, 240, 120, 22}),
            },
            .OnCreate = [this](TChildForm& screen) {
                // A check that always refuses: a rebuild must not run it.
                screen.Run().LeaveCheck = [this](QObject*, TCloseAction&) {
                    ++checks;
                    Run.ScreenValid = false;
                };
            },
        });
        ASSERT_EQ(Frame->size(), QSize(840, 560));
    }

    void ResizeFrame(int width, int height) {
        Frame->resize(width, height);
        ProcessEvents();
    }

    void ExpectFrameFonts(int title, int buttons) {
        EXPECT_EQ(Widget<QLabel>("TitleLabel").font().pixelSize(), Pixels(title));
        EXPECT_TRUE(Widget<QLabel>("TitleLabel").font().bold());
        EXPECT_EQ(Widget<QWidget>("fcNavigator").font().pixelSize(), Pixels(buttons));
        for (const char* name :
             {"BtnNext", "BtnPrev", "BtnYes", "BtnNo", "BtnCancel", "BtnIntHelp", "btnRemove"}) {
            EXPECT_EQ(Widget<QPushButton>(name).font().pixelSize(), Pixels(buttons)) << name;
        }
    }

    int checks = 0;
};

TEST_F(FrameScalingTest, TheDesignClientSizeIsTheClientPanelAtTheFirstShow) {
    EXPECT_EQ(Frame->DesignClientSize(), QSize(kDesignWidth, kDesignHeight));
    EXPECT_EQ(Frame->ScaleM(), 1);
    EXPECT_EQ(Frame->ScaleD(), 1);
    ExpectFrameFonts(12, 10);
}

TEST_F(FrameScalingTest, AResizeRebuildsTheScreenAtTheNewScaleKeepingTheFocusedTabOrder) {
    Start(7805);
    // Tab order 1 in its group box, which the search looks into.
    Find<QLineEdit>("edtInner2").setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &Find<QLineEdit>("edtInner2"));

    ResizeFrame(1260, 840);  // one and a half times the design
    EXPECT_EQ(Widget<QWidget>("ClientPanel").geometry(), QRect(308, 51, 945, 723));
    EXPECT_EQ(Widget<QWidget>("BtnNext").geometry(), QRect(1125, 786, 128, 42));
    EXPECT_EQ(Frame->ScaleM(), 945);
    EXPECT_EQ(Frame->ScaleD(), 630);
    EXPECT_EQ(Created("TQFTB_02"), 2);
    EXPECT_EQ(checks, 0);
    EXPECT_EQ(History(), std::vector<std::int32_t>{7805});
    EXPECT_EQ(Frame->Screen()->geometry(), QRect(0, 0, 945, 723));

    auto& first = Find<QLineEdit>("edtFirst");
    EXPECT_EQ(first.geometry(), QRect(150, 60, 180, 33));
    EXPECT_EQ(first.font().pointSize(), 15);
    EXPECT_EQ(Find<QWidget>("grpMore").geometry(), QRect(150, 150, 450, 180));
    EXPECT_EQ(Find<QLineEdit>("edtInner").geometry(), QRect(15, 30, 180, 33));
    EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>("edtInner2"));
    ExpectFrameFonts(18, 15);
    // Label1 sits 10 pixels inside the picture panel, 20 narrower, at its foot.
    const QWidget& panel = Widget<QWidget>("ImagePanel");
    ASSERT_EQ(panel.size(), QSize(300, 840));
    EXPECT_EQ(Widget<QLabel>("Label1").geometry(), QRect(10, 810, 280, 30));

    Find<QLineEdit>("edtSecond").setFocus();
    ResizeFrame(840, 560);
    EXPECT_EQ(Frame->ScaleM(), 630);
    EXPECT_EQ(Frame->ScaleD(), 630);
    EXPECT_EQ(Find<QLineEdit>("edtFirst").geometry(), QRect(100, 40, 120, 22));
    EXPECT_EQ(Find<QLineEdit>("edtFirst").font().pointSize(), 10);
    EXPECT_EQ(QApplication::focusWidget(), &Find<QLineEdit>("edtSecond"));
    ExpectFrameFonts(12, 10);
    EXPECT_EQ(checks, 0);
}

TEST_F(FrameScalingTest, TheSmallerRatioOfWidthAndHeightGivesTheScale) {
    Start(7805);
    ResizeFrame(1680, 840);  // twice as wide, one and a half times as high
    EXPECT_EQ(Frame->ScaleM(), 723);
    EXPECT_EQ(Frame->ScaleD(), 482);
    EXPECT_EQ(Find<QLineEdit>("edtFirst").geometry(), QRect(150, 60, 180, 33));
    ExpectFrameFonts(18, 15);
}

TEST_F(FrameScalingTest, ShrinkingAScaledScreenReturnsTheFrameFontsToTheirDesignSizes) {
    Start(7805);
    ResizeFrame(1260, 840);
    ExpectFrameFonts(18, 15);
    ResizeFrame(1050, 700);  // client panel 788 x 602: the height gives 602/482
    EXPECT_EQ(Frame->ScaleM(), 602);
    EXPECT_EQ(Frame->ScaleD(), 482);
    ExpectFrameFonts(12, 10);
    EXPECT_EQ(Find<QLineEdit>("edtFirst").geometry(), QRect(125, 50, 150, 27));
    // Growing again scales them once more.
    ResizeFrame(1260, 840);
    ExpectFrameFonts(18, 15);
}

TEST_F(FrameScalingTest, TheLoadAfterAResizeSkipsTheLeaveCheck) {
    RegisterScreen("TQFTB_01");
    Start(7805);
    // The screen number changes without a load (as a screen's own control may do it); the
    // rebuild the resize asks for then loads that number without the check.
    Run.ScreenIndex = 6;
    ResizeFrame(1260, 840);
    EXPECT_EQ(checks, 0);
    EXPECT_EQ(Run.CurrentScreen, 7806);
}

TEST_F(FrameScalingTest, AResizeWithNoScreenShownRebuildsNothing) {
    Start(8001);
    ASSERT_EQ(Host->CloseSenders.size(), 1u);
    ResizeFrame(1260, 840);
    EXPECT_EQ(Frame->ScaleM(), 945);
    EXPECT_EQ(Host->CloseSenders.size(), 1u);  // the host is not told a second time
    EXPECT_EQ(Host->CloseQueries, 1);

    // The next screen is shown at the new scale.
    Start(7805);
    EXPECT_EQ(Find<QLineEdit>("edtFirst").geometry(), QRect(150, 60, 180, 33));
}

}  // namespace
}  // namespace ftb::interview
