// The keyboard commands of the scenario scripts: what the key notation of `keys` becomes, and
// the lines the script reader refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/ftb-host/KeyboardCommands.h"
#include "tools/ftb-host/Script.h"

namespace ftb::host {
namespace {

TEST(FtbHostKeys, TheNotationGivesCharactersAndNamedKeysWithTheirModifiers) {
    const std::vector<KeyStroke> keys =
        ParseKeyNotation(QStringLiteral("a{Tab}{Shift+Tab}{Enter}{Alt+N}{F4}{Ctrl+Delete}{{}{}}\u00e9"));
    ASSERT_EQ(keys.size(), 10u);
    EXPECT_EQ(keys[0].text, QStringLiteral("a"));
    EXPECT_EQ(keys[1].key, Qt::Key_Tab);
    EXPECT_EQ(keys[1].modifiers, Qt::NoModifier);
    EXPECT_EQ(keys[2].key, Qt::Key_Backtab);  // as a real keyboard sends Shift+Tab
    EXPECT_EQ(keys[2].modifiers, Qt::ShiftModifier);
    EXPECT_EQ(keys[3].key, Qt::Key_Return);
    EXPECT_EQ(keys[4].key, Qt::Key_N);
    EXPECT_EQ(keys[4].modifiers, Qt::AltModifier);
    EXPECT_EQ(keys[5].key, Qt::Key_F4);
    EXPECT_EQ(keys[6].key, Qt::Key_Delete);
    EXPECT_EQ(keys[6].modifiers, Qt::ControlModifier);
    EXPECT_EQ(keys[7].text, QStringLiteral("{"));
    EXPECT_EQ(keys[8].text, QStringLiteral("}"));
    EXPECT_EQ(keys[9].text, QStringLiteral("\u00e9"));
    for (const KeyStroke& key : {keys[1], keys[3], keys[5]}) EXPECT_TRUE(key.text.isEmpty());
}

TEST(FtbHostKeys, TheScriptReaderTakesKeysAndExpectFocusAndRefusesWhatCannotBeTyped) {
    const std::vector<ScriptCommand> commands = ParseScript(
        QStringLiteral("start\nkeys \"{Tab}x\"\nexpect focus BtnNext\n"), QStringLiteral("t.play"));
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[1].kind, CommandKind::Keys);
    EXPECT_EQ(commands[1].text, QStringLiteral("{Tab}x"));
    EXPECT_EQ(commands[2].kind, CommandKind::ExpectFocus);
    EXPECT_EQ(commands[2].name, QStringLiteral("BtnNext"));

    struct Case {
        const char* script;
        const char* message;
    } cases[] = {
        {"start\nkeys \"{Nope}\"\n", "t.play:2: not a key: {Nope}"},
        {"start\nkeys \"{Tab\"\n", "t.play:2: a { without its }"},
        {"start\nkeys \"a}\"\n", "t.play:2: a } without its {: write {}} for the brace"},
        {"start\nkeys \"{}\"\n", "t.play:2: not a key: {}"},
        {"start\nkeys \"\"\n", "t.play:2: no keys to press"},
        {"start\nkeys\n", "t.play:2: usage: keys \"TEXT\""},
        {"start\nexpect focus\n", "t.play:2: usage: expect focus NAME"},
    };
    for (const Case& c : cases) {
        std::string message;
        try {
            ParseScript(QString::fromUtf8(c.script), QStringLiteral("t.play"));
        } catch (const EScriptError& error) {
            message = error.what();
        }
        EXPECT_EQ(message, c.message) << c.script;
    }
}

}  // namespace
}  // namespace ftb::host
