// The scenario script reader of ftb-host: what each command line becomes, the texts with their
// escapes, and the scripts it refuses before anything runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/ftb-host/Script.h"

namespace ftb::host {
namespace {

std::vector<ScriptCommand> Parse(const char* script) {
    return ParseScript(QString::fromUtf8(script), QStringLiteral("t.play"));
}

// The message of the error the script raises ("" when it is accepted).
std::string Refusal(const char* script) {
    try {
        Parse(script);
    } catch (const EScriptError& error) {
        return error.what();
    }
    return {};
}

TEST(FtbHostScript, EveryCommandBecomesItsKindWithItsArguments) {
    const auto commands = Parse(
        "answer Yes \"Warning You Are About to Delete Data\" \"all FTB data\"\n"
        "input cancel\n"
        "start 7806 --key 123 --from data/return.json   # from a saved return\n"
        "\n"
        "click \"&Next\"\n"
        "type edtName \"Smith\"\n"
        "cell XGrid1 2 3 \"01/07/2001\"\n"
        "pick XGrid1 0 1 \"Married\"\n"
        "key XGrid1 \"Ctrl+A, Del\"\n"
        "list ListBoxFFS \"Sam\"\n"
        "node \"Your details\"\n"
        "input \"Sam\"\n"
        "tick 5\n"
        "expect screen 7806\n"
        "expect exit 8001\n"
        "expect text TitleLabel \"Family Tax Benefit\"\n"
        "expect hidden BtnNext\n"
        "expect history 7803 7804 7805\n"
        "resize 900 700\n"
        "screenshot shots/7806.png\n"
        "quit\n"
        "expect field 399 \"a line\\r\\n\"\n"
        "expect field 1246 empty\n");
    ASSERT_EQ(commands.size(), 22u);

    EXPECT_EQ(commands[0].kind, CommandKind::Answer);
    EXPECT_EQ(commands[0].name, QStringLiteral("Yes"));
    EXPECT_EQ(commands[0].text, QStringLiteral("Warning You Are About to Delete Data"));
    EXPECT_EQ(commands[0].part, QStringLiteral("all FTB data"));
    EXPECT_TRUE(commands[1].cancel);

    const ScriptCommand& start = commands[2];
    EXPECT_EQ(start.kind, CommandKind::Start);
    EXPECT_EQ(start.line, 3);
    EXPECT_EQ(start.source, QStringLiteral("start 7806 --key 123 --from data/return.json"));
    EXPECT_EQ(start.screen, 7806);
    EXPECT_EQ(start.key, QStringLiteral("123"));
    EXPECT_EQ(start.from, QStringLiteral("data/return.json"));

    EXPECT_EQ(commands[3].name, QStringLiteral("&Next"));
    EXPECT_EQ(commands[3].line, 5);
    EXPECT_EQ(commands[4].kind, CommandKind::Type);
    EXPECT_EQ(commands[4].text, QStringLiteral("Smith"));
    EXPECT_EQ(commands[5].kind, CommandKind::Cell);
    EXPECT_EQ(commands[5].number, 2);
    EXPECT_EQ(commands[5].row, 3);
    EXPECT_EQ(commands[5].text, QStringLiteral("01/07/2001"));
    EXPECT_EQ(commands[6].kind, CommandKind::Pick);
    EXPECT_EQ(commands[7].text, QStringLiteral("Ctrl+A, Del"));
    EXPECT_EQ(commands[8].kind, CommandKind::List);
    EXPECT_EQ(commands[9].kind, CommandKind::Node);
    EXPECT_EQ(commands[9].name, QStringLiteral("Your details"));
    EXPECT_FALSE(commands[10].cancel);
    EXPECT_EQ(commands[10].text, QStringLiteral("Sam"));
    EXPECT_EQ(commands[11].number, 5);
    EXPECT_EQ(commands[12].kind, CommandKind::ExpectScreen);
    EXPECT_EQ(commands[13].kind, CommandKind::ExpectExit);
    EXPECT_EQ(commands[13].number, 8001);
    EXPECT_EQ(commands[14].kind, CommandKind::ExpectText);
    EXPECT_EQ(commands[15].kind, CommandKind::ExpectHidden);
    EXPECT_EQ(commands[16].numbers, (std::vector<int>{7803, 7804, 7805}));
    EXPECT_EQ(commands[17].number, 900);
    EXPECT_EQ(commands[17].row, 700);
    EXPECT_EQ(commands[18].text, QStringLiteral("shots/7806.png"));
    EXPECT_EQ(commands[19].kind, CommandKind::Quit);
    EXPECT_EQ(commands[20].text, QStringLiteral("a line\r\n"));
    EXPECT_FALSE(commands[20].empty);
    EXPECT_TRUE(commands[21].empty);
}

TEST(FtbHostScript, GridExpectationsAndThePressNameTheirCellsItemsAndControl) {
    const auto commands = Parse(
        "start\n"
        "expect cell XGrid1 3 2 \"\"\n"
        "expect picklist XGrid1 0 1 \"Single\" \"Ann  Lee (TFN Exempt)\" Widowed\n"
        "press RadioButtonYes\n");
    EXPECT_EQ(commands[1].kind, CommandKind::ExpectCell);
    EXPECT_EQ(commands[1].name, QStringLiteral("XGrid1"));
    EXPECT_EQ(commands[1].number, 3);
    EXPECT_EQ(commands[1].row, 2);
    EXPECT_EQ(commands[1].text, QString());
    EXPECT_EQ(commands[2].kind, CommandKind::ExpectPicklist);
    EXPECT_EQ(commands[2].items,
              (QStringList{QStringLiteral("Single"), QStringLiteral("Ann  Lee (TFN Exempt)"),
                           QStringLiteral("Widowed")}));
    EXPECT_EQ(commands[3].kind, CommandKind::Press);
    EXPECT_EQ(commands[3].name, QStringLiteral("RadioButtonYes"));
    // Dropping a pick list down is something the person does: its boxes take answer lines.
    EXPECT_TRUE(IsAction(CommandKind::ExpectPicklist));
    EXPECT_TRUE(IsAction(CommandKind::Press));
    EXPECT_FALSE(IsAction(CommandKind::ExpectCell));
}

TEST(FtbHostScript, AnswersWithoutTitleOrTextMatchAnyBoxAndStartHasDefaults) {
    const auto commands = Parse("start\nanswer OK\nclick BtnNext\n");
    EXPECT_FALSE(commands[0].screen);
    EXPECT_FALSE(commands[0].key);
    EXPECT_FALSE(commands[0].from);
    EXPECT_EQ(commands[1].text, QStringLiteral("*"));
    EXPECT_TRUE(commands[1].part.isEmpty());
}

TEST(FtbHostScript, TextsKeepBlanksHashesAndEscapes) {
    const auto commands = Parse(
        "start\ntype Notes \"a \\\"b\\\" \\\\ # c\\r\\n\\td\"  # the comment\n"
        "type edtName \"\"\ntype edtName Bare\n");
    EXPECT_EQ(commands[1].text, QStringLiteral("a \"b\" \\ # c\r\n\td"));
    EXPECT_EQ(commands[1].source, QStringLiteral("type Notes \"a \\\"b\\\" \\\\ # c\\r\\n\\td\""));
    EXPECT_EQ(commands[2].text, QString());
    EXPECT_EQ(commands[3].text, QStringLiteral("Bare"));
    EXPECT_TRUE(commands[1].name == QStringLiteral("Notes"));
}

TEST(FtbHostScript, QuotedWordsAreTextsNotKeywords) {
    const auto commands = Parse(
        "start\ninput \"cancel\"\nclick BtnNext\nquit\n"
        "expect field 5 \"empty\"\n");
    EXPECT_FALSE(commands[1].cancel);
    EXPECT_EQ(commands[1].text, QStringLiteral("cancel"));
    EXPECT_FALSE(commands[4].empty);
    EXPECT_EQ(commands[4].text, QStringLiteral("empty"));
}

TEST(FtbHostScript, RefusesWhatCannotRunAtItsLine) {
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"start\nclik BtnNext\n", "t.play:2: unknown command: clik"},
        {"start\ntype edtName \"Smith\n", "t.play:2: a text is not closed with \""},
        {"start\ntype edtName \"a\\qb\"\n", "t.play:2: unknown escape \\q in a text"},
        {"start\ntype edtName \"a\"b\n", "t.play:2: a blank must follow the closing \" of a text"},
        {"start\ntype ed\"Name \"a\"\n", "t.play:2: a \" inside a word"},
        {"start\ntype edtName\n", "t.play:2: usage: type NAME \"TEXT\""},
        {"start\ntick five\n", "t.play:2: the number of ticks must be a number, not five"},
        {"start\ntick 0\n", "t.play:2: the number of ticks must be at least 1, not 0"},
        {"start\ncell XGrid1 1 0 \"x\"\n", "t.play:2: the row must be at least 1, not 0"},
        {"start\nanswer Maybe\nclick BtnNext\n",
         "t.play:2: the button of an answer is OK, Yes, No, Cancel or Save, not Maybe"},
        {"start\nkey XGrid1 Ctrl+Nothing\n", "t.play:2: not a key: Ctrl+Nothing"},
        {"start\nexpect colour BtnNext\n", "t.play:2: unknown expectation: colour"},
        {"start\nexpect screen \"7803\"\n",
         "t.play:2: the screen number must be a number, not 7803"},
        {"start\nquit\nexpect field 2000 empty\n",
         "t.play:3: the field number must be at most 1999, not 2000"},
        {"start 7803 --key\n", "t.play:1: --key needs a value"},
        {"start --from a.json --from b.json\n", "t.play:1: --from is given twice"},
        {"start 7803 7804\n", "t.play:1: usage: start [SCREEN] [--key KEY] [--from RETURN.json]"},
        {"\n# a comment\nclick BtnNext\n", "t.play:3: the script must start the run first (start)"},
        {"start\nstart\n", "t.play:2: the run is already started"},
        {"start\nquit\nclick BtnNext\n",
         "t.play:3: after quit only expect field and keep can follow"},
        {"start\nexpect field 1 empty\n",
         "t.play:2: expect field and keep read the saved return: they come after quit"},
        {"start\nkeep saved.TAX\n",
         "t.play:2: expect field and keep read the saved return: they come after quit"},
        {"start\nquit\nkeep\n", "t.play:3: usage: keep FILE"},
        {"start\nquit\nexpect field 717 \"1\" of 19 1\n",
         "t.play:3: usage: expect field N \"TEXT\" | expect field N empty [in LIST WORKSHEET]"},
        {"start\nanswer OK\nexpect screen 7803\n",
         "t.play:2: no action follows to raise the box it answers"},
        {"# nothing but a comment\n", "t.play: the script holds no command"},
        {"\"start\"\n", "t.play:1: a line starts with a command, not a text"},
        {"start\nexpect cell XGrid1 0 1\n", "t.play:2: usage: expect cell GRID COL ROW \"TEXT\""},
        {"start\nexpect picklist XGrid1 0 1\n",
         "t.play:2: usage: expect picklist GRID COL ROW \"ITEM\" ..."},
        {"start\nexpect picklist XGrid1 0 0 \"Single\"\n",
         "t.play:2: the row must be at least 1, not 0"},
        {"start\npress\n", "t.play:2: usage: press NAME"},
    };
    for (const Case& c : cases) EXPECT_EQ(Refusal(c.script), c.message) << c.script;
}

TEST(FtbHostScript, AnswersMayComeBeforeTheStartThatRaisesTheirBoxes) {
    EXPECT_EQ(Refusal("answer OK \"Error\" \"Unable to open file - \"\nstart --key 1\n"), "");
}

TEST(FtbHostScript, OnlyWhatThePersonDoesIsAnAction) {
    EXPECT_TRUE(IsAction(CommandKind::Start));
    EXPECT_TRUE(IsAction(CommandKind::Click));
    EXPECT_TRUE(IsAction(CommandKind::Tick));
    EXPECT_TRUE(IsAction(CommandKind::Quit));
    EXPECT_FALSE(IsAction(CommandKind::Answer));
    EXPECT_FALSE(IsAction(CommandKind::ExpectScreen));
    EXPECT_FALSE(IsAction(CommandKind::Screenshot));
}

}  // namespace
}  // namespace ftb::host
