#include "controls/Easysize.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

namespace ftb::controls {
namespace {

class FormResizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.resize(640, 480);
        button = new QPushButton(&frame);
        button->setObjectName(QStringLiteral("BtnNext"));
        button->setGeometry(100, 400, 80, 25);
        label = new QLabel(&frame);
        label->setObjectName(QStringLiteral("Label1"));
        label->setGeometry(10, 20, 50, 15);
        client = new QWidget(&frame);
        client->setObjectName(QStringLiteral("Screen"));
        client->setProperty(kAlignProperty, QStringLiteral("client"));
        client->setGeometry(0, 0, 640, 300);
        resizer.TakeSnapshot();
    }
    void ResizeTo(int width, int height) {
        frame.resize(width, height);
        resizer.ApplyResize();
    }

    QWidget frame;
    QPushButton* button = nullptr;
    QLabel* label = nullptr;
    QWidget* client = nullptr;
    TFormResizer resizer{&frame};
};

TEST_F(FormResizerTest, ScalesBoundsByTheRatiosRoundingHalvesToEven) {
    ResizeTo(800, 600);
    EXPECT_EQ(button->geometry(), QRect(125, 500, 100, 31));  // 31.25 rounds to 31
    // A label keeps its width; its left, top and height follow.
    EXPECT_EQ(label->geometry(), QRect(12, 25, 50, 19));
    EXPECT_EQ(client->geometry(), QRect(0, 0, 640, 300));  // fills its parent: not touched
}

TEST_F(FormResizerTest, TheDesignSizeRestoresTheSnapshotWithoutDrift) {
    for (auto [w, h] : {std::pair{777, 555}, {653, 491}, {901, 333}}) ResizeTo(w, h);
    ResizeTo(640, 480);
    EXPECT_EQ(button->geometry(), QRect(100, 400, 80, 25));
    EXPECT_EQ(label->geometry(), QRect(10, 20, 50, 15));
}

TEST_F(FormResizerTest, SecondSnapshotChangesNothingAndMinSizeIsEnforced) {
    ResizeTo(800, 600);
    resizer.TakeSnapshot();
    EXPECT_EQ(resizer.DesignWidth(), 640);
    ResizeTo(640, 480);
    EXPECT_EQ(button->geometry(), QRect(100, 400, 80, 25));

    resizer.EnforceMinSize = true;
    ResizeTo(320, 240);
    EXPECT_EQ(frame.size(), QSize(640, 480));
    EXPECT_EQ(button->geometry(), QRect(100, 400, 80, 25));
}

TEST_F(FormResizerTest, PostResizeIsRaisedPerControlAndDestroyedControlsAreSkipped) {
    std::vector<std::pair<QWidget*, double>> raised;
    resizer.OnPostResize = [&](TFormResizer* sender, QWidget* comp, double hr, double wr) {
        EXPECT_EQ(sender, &resizer);
        EXPECT_DOUBLE_EQ(hr, 1.25);
        raised.emplace_back(comp, wr);
    };
    delete button;
    ResizeTo(800, 600);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].first, label);
    EXPECT_DOUBLE_EQ(raised[0].second, 1.25);
}

TEST(FormResizerErrors, MisuseRaisesTheResizerException) {
    QObject notAControl;
    QWidget form;
    auto message = [](auto make) {
        try {
            make();
        } catch (const EResizerException& e) {
            return std::string(e.what());
        }
        return std::string("no exception");
    };
    EXPECT_EQ(message([] { TFormResizer r(nullptr); }), "TFormResizer created without an owner");
    EXPECT_EQ(message([&] { TFormResizer r(&notAControl); }),
              "TFormResizer owner must be a panel or form");
    EXPECT_EQ(message([&] { TSingleResizer r(nullptr, &form); }),
              "TSingleResizer created without a component link");
    EXPECT_EQ(message([&] { TSingleResizer r(&form, nullptr); }),
              "TSingleResizer created without a parent form link");
}

}  // namespace
}  // namespace ftb::controls
