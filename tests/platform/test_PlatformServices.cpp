#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <set>

#include "platform/Beep.h"
#include "platform/Calculator.h"
#include "platform/Help.h"
#include "platform/HelpFile.h"
#include "platform/Messages.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::platform {
namespace {

TEST(Calculator, SearchesTheWindowsDirectoryThenTheDesktopCalculatorsOnThePath) {
    auto candidates = CalculatorCandidates("/win", "/usr/bin:/opt/bin");
    ASSERT_GE(candidates.size(), 5u);
    EXPECT_EQ(candidates[0], "/win/CALC.EXE");
    EXPECT_EQ(candidates[1], "/win/SYSTEM/CALC.EXE");
    EXPECT_EQ(candidates[2], "/win/SYSTEM32/CALC.EXE");
    EXPECT_EQ(candidates[3], "/usr/bin/gnome-calculator");
    EXPECT_EQ(candidates[4], "/opt/bin/gnome-calculator");
    EXPECT_EQ(candidates.back(), "/opt/bin/xcalc");
    EXPECT_EQ(CalculatorCandidates(nullptr, "/usr/bin").front(), "/usr/bin/gnome-calculator");

    std::set<std::string> present = {"/win/SYSTEM32/CALC.EXE", "/usr/bin/xcalc"};
    auto exists = [&](const std::string& f) { return present.count(f) > 0; };
    EXPECT_EQ(FindCalculator(candidates, exists), "/win/SYSTEM32/CALC.EXE");
    EXPECT_EQ(FindCalculator(CalculatorCandidates(nullptr, "/usr/bin"), exists), "/usr/bin/xcalc");
    EXPECT_EQ(FindCalculator(CalculatorCandidates(nullptr, nullptr), exists), "");
}

TEST(HelpFile, ReadsTopicsByContextNumberAndSkipsTheHeader) {
    HelpFile file = HelpFile::Parse(
        "This line describes the file.\n"
        "# 542 Family tax benefit\r\n"
        "\n"
        "First paragraph.\n"
        "\n"
        "Second paragraph.\n"
        "# 7 Short\n"
        "#not a topic\n");
    ASSERT_EQ(file.Topics().size(), 2u);
    ASSERT_NE(file.Find(542), nullptr);
    EXPECT_EQ(file.Find(542)->title, "Family tax benefit");
    EXPECT_EQ(file.Find(542)->text, "First paragraph.\n\nSecond paragraph.");
    EXPECT_EQ(file.Find(7)->text, "#not a topic");
    EXPECT_EQ(file.Find(8), nullptr);
    EXPECT_TRUE(HelpFile::Load("/nonexistent/FTB2002.HLP").Topics().empty());
}

TEST(Help, ShowsATopicOrAPlainPageForAMissingOne) {
    Help help("/nonexistent/FTB2002.HLP");
    help.ShowTopic(999);
    ASSERT_NE(help.Viewer(), nullptr);
    EXPECT_TRUE(help.Viewer()->isVisible());
    EXPECT_EQ(help.Viewer()->PageText(), QStringLiteral("No help is available for topic 999."));
    help.Close();
    EXPECT_FALSE(help.Viewer()->isVisible());
}

TEST(Beep, IsCounted) {
    ResetBeepCount();
    Beep();
    Beep();
    EXPECT_EQ(BeepCount(), 2);
}

class Receiver : public QObject {
public:
    std::vector<int> received;
    bool event(QEvent* e) override {
        received.push_back(static_cast<int>(e->type()));
        return true;
    }
};

TEST(Messages, APostedMessageArrivesOnTheNextEventProcessingASentOneAtOnce) {
    Receiver receiver;
    PostMessage(&receiver, kLeaveMessage);
    EXPECT_TRUE(receiver.received.empty());
    SendMessage(&receiver, kCloseMessage);
    EXPECT_EQ(receiver.received, std::vector<int>{kCloseMessage});
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_EQ(receiver.received, (std::vector<int>{kCloseMessage, kLeaveMessage}));
}

TEST(ScriptedDialogs, AnswersTheExpectedBoxesAndReportsTheRestInFull) {
    ScriptedDialogs dialogs;
    std::vector<std::string> failures;
    dialogs.onFailure = [&](const std::string& f) { failures.push_back(f); };
    dialogs.Expect("Question", "Go on?", dbNo).Expect("Error", "Never shown");

    EXPECT_FALSE(dialogs.Question("Go on?"));
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(dialogs.Unmet(),
              std::vector<std::string>{"expected box never came: title \"Error\", text \"Never shown\""});

    dialogs.Information("Surprise");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected box: title \"Information\", text \"Surprise\""),
              std::string::npos);
    EXPECT_NE(failures[0].find("\"Never shown\""), std::string::npos);
    EXPECT_TRUE(dialogs.AllShown());
}

}  // namespace
}  // namespace ftb::platform
