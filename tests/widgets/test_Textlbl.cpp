// The marked-up text label on the Qt canvas: the line height the texts were laid out for, the
// links under the mouse, the painted colours, the alert of a bad command and the height the
// label gives itself. The markup language itself is tested on the engine.
#include "controls/Textlbl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <vector>

#include "controls/QtTextCanvas.h"
#include "platform/Beep.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::controls {
namespace {

constexpr TColor kHintYellow = 9502719;  // the pale yellow of the screens' hint box
const QColor kHintYellowRgb(0xFF, 0xFF, 0x90);

// A label in a shown screen of the design size.
class TextLblTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
        screen.resize(630, 482);
        label = new TTextLbl(&screen, dialogs);
        label->setGeometry(10, 10, 400, 60);
        label->SetName("TextLbl1");
        label->Loaded();
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        ASSERT_EQ(label->logicalDpiY(), 96);
        QApplication::processEvents();
        platform::ResetBeepCount();
    }
    void TearDown() override {
        for (const std::string& unmet : dialogs.Unmet()) ADD_FAILURE() << unmet;
    }

    // Paints the label once, as the screen shows it.
    QImage Painted() { return label->grab().toImage(); }

    platform::ScriptedDialogs dialogs;
    QWidget screen;
    TTextLbl* label = nullptr;
};

TEST(TextCanvasTest, ArialTenPointsIsALineOfSixteenPixelsAtNinetySixDpi) {
    QWidget device;
    ASSERT_EQ(device.logicalDpiY(), 96);
    EXPECT_EQ(FontPixelSize(10, 96), 13);
    EXPECT_EQ(FontPixelSize(8, 96), 11);  // 10.67 rounds up
    EXPECT_EQ(FontPixelSize(10, 120), 17);
    const QFont arial = QtFont(TFontDesc{}, 96);
    EXPECT_EQ(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(arial.pixelSize(), 13);
    EXPECT_EQ(CellMetrics(arial, &device).Height(), 16);
    EXPECT_EQ(CellMetrics(QtFont({"Arial", 9, 0, clWindowText}, 96), &device).Height(), 15);
    EXPECT_EQ(CellMetrics(QtFont({"Arial", 10, fsBold, clWindowText}, 96), &device).Height(), 16);
}

TEST_F(TextLblTest, HeightFollowsTheContentAndTheBoxSticksToTheFootOfTheScreen) {
    label->SetCalculateHeight(true);
    label->SetText(std::vector<std::string>{"<s0><X10>Enter the date you started.",
                                            "<s1><X10>Enter the date you finished."});
    label->SetCurrentSection(0);
    Painted();
    EXPECT_EQ(label->height(), 3 + 16);

    label->SetColor(kHintYellow);
    label->SetParentBottomMargin(10);
    label->SetText(std::vector<std::string>{"<s999>one", "two", "three"});
    Painted();
    EXPECT_EQ(label->height(), 51);
    EXPECT_EQ(label->y(), 482 - 51 - 10);
    EXPECT_EQ(label->x(), 10);
}

TEST_F(TextLblTest, ScalingTheScreenScalesTheBoundsAndTheBaseFont) {
    label->ChangeScale(3, 2);
    EXPECT_EQ(label->geometry(), QRect(15, 15, 600, 90));
    EXPECT_EQ(label->Font().Size, 15);
    label->ChangeScale(1, 0);  // no ratio at all
    EXPECT_EQ(label->geometry(), QRect(15, 15, 600, 90));
    EXPECT_EQ(label->Font().Size, 15);
}

TEST_F(TextLblTest, AnUnassignedCheckShowsTheLineAndAnAssignedOneDecides) {
    label->SetCalculateHeight(true);
    label->SetText(std::vector<std::string>{"<v7>only when checked", "always"});
    Painted();
    EXPECT_EQ(label->height(), 3 + 2 * 16);

    std::vector<int> asked;
    label->OnCheckTag = [&asked](int id, bool& pass) {
        asked.push_back(id);
        pass = false;
    };
    label->update();
    Painted();
    EXPECT_EQ(label->height(), 3 + 16);
    EXPECT_EQ(asked, (std::vector<int>{7, 7}));  // once in each pass
}

TEST_F(TextLblTest, HoveringALinkShowsTheHandAndPressingItRaisesItsJump) {
    std::vector<int> jumps;
    label->OnJumpClick = [&jumps](int id) { jumps.push_back(id); };
    label->SetText("<C12;J512>Australian resident<.> for social security purposes");
    Painted();
    const QPoint onLink(20, 8);
    const QPoint pastLink(300, 8);

    QTest::mouseMove(label, onLink);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label->HoveredJumpId(), 512);
    QTest::mouseMove(label, pastLink);
    EXPECT_NE(label->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, pastLink);
    EXPECT_TRUE(jumps.empty());
    QTest::mouseClick(label, Qt::RightButton, Qt::NoModifier, onLink);
    EXPECT_EQ(jumps, std::vector<int>{512});
}

TEST_F(TextLblTest, PaintsTheBoxColourTheLinkColourAndTheBevels) {
    label->SetColor(kHintYellow);
    label->SetBevelOuter(TBevelCut::bvLowered);
    label->SetText("<C12;J512>Australian resident<.>");
    const QImage image = Painted();
    const QPalette& palette = label->palette();

    const auto rgb = [&image](int x, int y) { return image.pixel(x, y); };
    const QRgb shadow = palette.color(QPalette::Dark).rgb();
    const QRgb highlight = palette.color(QPalette::Light).rgb();
    ASSERT_NE(shadow, highlight);

    EXPECT_EQ(rgb(300, 40), kHintYellowRgb.rgb());
    // Lowered: the shadow at top and left, the highlight at bottom and right, which take the
    // top-right and bottom-left corners.
    EXPECT_EQ(rgb(0, 0), shadow);
    EXPECT_EQ(rgb(398, 0), shadow);
    EXPECT_EQ(rgb(0, 58), shadow);
    EXPECT_EQ(rgb(399, 0), highlight);
    EXPECT_EQ(rgb(0, 59), highlight);
    EXPECT_EQ(rgb(399, 59), highlight);
    EXPECT_EQ(rgb(1, 1), kHintYellowRgb.rgb());  // one bevel of width 1

    // The link's words are blue: some pixel of its cell is nearly pure blue.
    bool blue = false;
    for (int y = 1; y < 17 && !blue; ++y) {
        for (int x = 1; x < 120 && !blue; ++x) {
            const QColor c = image.pixelColor(x, y);
            blue = c.blue() > 200 && c.red() < 60 && c.green() < 60;
        }
    }
    EXPECT_TRUE(blue);
}

TEST_F(TextLblTest, ABadColourSoundsTheAlertInEachPassAndAGoodTextIsSilent) {
    label->SetText("<C12>fine<.>");
    Painted();
    EXPECT_EQ(platform::BeepCount(), 0);

    label->SetText("<C19;T1>bold, colour unchanged");
    Painted();
    EXPECT_EQ(platform::BeepCount(), 2);
}

}  // namespace
}  // namespace ftb::controls
