#include "tools/ftbfile/Commands.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "data/FileCipher.h"
#include "data/FileSystem.h"
#include "data/PlainFormat.h"
#include "tools/support/RunFtbfile.h"

namespace ftb::ftbfile {
namespace {

using test_support::Ftbfile;
using test_support::Outcome;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FtbfileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)).toStdString(); }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path().toStdString()))
            names.insert(entry.path().filename().string());
        return names;
    }

    QTemporaryDir folder_;
};

// The JSON as dump prints it, with a value of every kind and the numbers that a double would
// not carry exactly: an explicit zero, cents, and (raw) a not-a-number, an infinity, a subnormal
// and an "unnormal" 0.5 whose bytes no arithmetic encoding makes; texts with characters outside
// ASCII, a C1 control (an unassigned byte) and a tab; worksheet entries that carry no value.
const std::string kFullReturn =
    R"json({"group": 78, "index": 9, "history": [7803, 7804],
 "fields": [
   {"field": 1, "kind": "fkShortText", "text": "876543210"},
   {"field": 33, "kind": "fkCheck", "checked": true},
   {"field": 130, "kind": "fkCents", "value": 0.0011},
   {"field": 131, "kind": "fkCents", "value": 1234.56},
   {"field": 132, "kind": "fkCents", "value": null, "raw": "00000000000000c0ff7f"},
   {"field": 133, "kind": "fkDollars", "value": null, "raw": "0000000000000080ff7f"},
   {"field": 134, "kind": "fkDollars", "value": null, "raw": "01000000000000000000"},
   {"field": 135, "kind": "fkDollars", "value": -1e+20},
   {"field": 136, "kind": "fkCents", "value": null, "raw": "0000000000000040ff3f"},
   {"field": 200, "kind": "fkLongText", "text": "Zoë’s café: €5 \u0081 and\ta tab"},
   {"field": 773, "kind": "fkWorksheetList", "entries": [
       {"worksheet": 1, "field": 710, "kind": "fkLongText", "text": "Sam  Smith (15/05/1990)"},
       {"worksheet": 1, "field": 727, "kind": "fkDollars", "value": 100},
       {"worksheet": 2, "field": 1150, "kind": "fkTextList", "lines": ["a", ""]},
       {"worksheet": 2, "field": 711, "kind": "fkCheck", "checked": false},
       {"worksheet": 3, "field": 712, "kind": "fkEmpty"},
       {"worksheet": 3, "field": 713, "kind": "fkWorksheetList"}]},
   {"field": 1250, "kind": "fkTextList", "lines": ["Single", "01/07/2001", "31/12/2001", ""]},
   {"field": 1268, "kind": "fkInteger", "value": 0},
   {"field": 1300, "kind": "fkShortText", "text": "EI"}]}
)json";

TEST_F(FtbfileTest, AFileNameThatIsNotUtf8IsUsedAsItsBytes) {
    const std::string name = "bad\xff\xfe.TAX";
    const std::string file = folder_.path().toStdString() + "/" + name;
    ASSERT_EQ(Ftbfile({"new", file, "--key", "876543210"}).code, 0);
    EXPECT_EQ(Names(), std::set<std::string>{name});
    const Outcome dump = Ftbfile({"dump", file, "--key", "876543210"});
    EXPECT_EQ(dump.code, 0) << dump.err;
    EXPECT_NE(dump.out.find(R"("text": "EI")"), std::string::npos) << dump.out;
    EXPECT_EQ(Ftbfile({"check", file, "--key", "876543210"}).code, kExitWarnings);
    // The name is printed as it is, in the refusal to replace it as everywhere.
    const Outcome refused = Ftbfile({"new", file, "--key", "876543210"});
    EXPECT_EQ(refused.err, file + " already exists; add --force to replace it\n");
    EXPECT_EQ(Names(), std::set<std::string>{name});
}

TEST_F(FtbfileTest, NewMakesAReturnWithTheKeySourceAndTheHostMarkOnly) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"new", file, "--key", "876 543 210"}).code, 0);

    const Outcome dump = Ftbfile({"dump", file, "--key", "876543210"});
    EXPECT_EQ(dump.code, 0) << dump.err;
    EXPECT_EQ(dump.out,
              "{\"group\": 0, \"index\": 0, \"history\": [],\n \"fields\": [\n"
              "   {\"field\": 1, \"kind\": \"fkLongText\", \"text\": \"876 543 210\"},\n"
              "   {\"field\": 1300, \"kind\": \"fkShortText\", \"text\": \"EI\"}]}\n");
    EXPECT_EQ(Names(), std::set<std::string>{"R.TAX"}) << "dump left a file beside the return";
}

TEST_F(FtbfileTest, NewReplacesAnExistingReturnOnlyWithForceAndKeepsItAsBackup) {
    const std::string file = Path("R.TAX");
    WriteBytes(file, "not a return");

    const Outcome refused = Ftbfile({"new", file, "--key", "1"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("already exists"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadBytes(file), "not a return");

    ASSERT_EQ(Ftbfile({"new", file, "--key", "1", "--force"}).code, 0);
    EXPECT_EQ(ReadBytes(Path("R.BAK")), "not a return");
    EXPECT_EQ(Ftbfile({"dump", file, "--key", "1"}).code, 0);
}

TEST_F(FtbfileTest, DumpLoadDumpIsExact) {
    const std::string first = Path("FIRST.TAX");
    const Outcome load = Ftbfile({"load", first, "--key", "876543210"}, kFullReturn);
    ASSERT_EQ(load.code, 0) << load.err;
    const Outcome dump = Ftbfile({"dump", first, "--key", "876543210"});
    ASSERT_EQ(dump.code, 0) << dump.err;
    EXPECT_EQ(dump.out, kFullReturn);

    const std::string json = Path("dump.json");
    WriteBytes(json, dump.out);
    const std::string second = Path("SECOND.TAX");
    ASSERT_EQ(Ftbfile({"load", second, "--key", "876543210", "--json", json}).code, 0);
    EXPECT_EQ(Ftbfile({"dump", second, "--key", "876543210"}).out, kFullReturn);
}

// "-" names standard input: the JSON that load reads, and the return that dump, check and
// assess read (deciphered in memory: nothing is written anywhere for it).
TEST_F(FtbfileTest, ADashReadsStandardInput) {
    const std::string file = Path("R.TAX");
    const Outcome load = Ftbfile({"load", file, "--key", "876543210", "--json", "-"}, kFullReturn);
    ASSERT_EQ(load.code, 0) << load.err;
    EXPECT_EQ(Ftbfile({"dump", file, "--key", "876543210"}).out, kFullReturn);
    const std::string enciphered = ReadBytes(file);

    for (const char* command : {"dump", "check", "assess"}) {
        SCOPED_TRACE(command);
        const Outcome fromFile = Ftbfile({command, file, "--key", "876543210"});
        const Outcome piped = Ftbfile({command, "-", "--key", "876543210"}, enciphered);
        EXPECT_EQ(piped.code, fromFile.code) << piped.err;
        EXPECT_EQ(piped.out, fromFile.out);
        EXPECT_FALSE(piped.out.empty());
    }
    const Outcome wrongKey = Ftbfile({"dump", "-", "--key", "1"}, enciphered);
    EXPECT_EQ(wrongKey.code, 1);
    EXPECT_EQ(wrongKey.err, "Unable to open file - standard input\n");
    EXPECT_EQ(Names(), std::set<std::string>{"R.TAX"});
}

TEST_F(FtbfileTest, LoadKeepsThePreviousReturnAsBackup) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"new", file, "--key", "42"}).code, 0);
    const std::string before = ReadBytes(file);
    ASSERT_EQ(Ftbfile({"load", file, "--key", "42"}, R"({"fields": []})").code, 0);
    EXPECT_EQ(ReadBytes(Path("R.BAK")), before);
    EXPECT_EQ(Names(), (std::set<std::string>{"R.BAK", "R.TAX"}));
}

TEST_F(FtbfileTest, LoadTakesFieldOneFromTheKeyWhenTheJsonHasNone) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"load", file, "--key", "12-34"},
                      R"({"fields": [{"field": 5, "kind": "fkDollars", "value": 7}]})")
                  .code,
              0);
    const Outcome dump = Ftbfile({"dump", file, "--key", "1234"});
    EXPECT_EQ(dump.code, 0) << dump.err;
    EXPECT_NE(dump.out.find(R"({"field": 1, "kind": "fkShortText", "text": "12-34"})"),
              std::string::npos)
        << dump.out;
    EXPECT_NE(dump.out.find(R"({"field": 5, "kind": "fkDollars", "value": 7})"), std::string::npos);
}

TEST_F(FtbfileTest, LoadRefusesInputTheFileCannotHoldAndWritesNothing) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"new", file, "--key", "876543210"}).code, 0);
    const std::string before = ReadBytes(file);

    auto field = [](const std::string& members) {
        return R"({"fields": [{"field": 5, )" + members + "}]}";
    };
    auto entry = [](const std::string& members) {
        return R"({"fields": [{"field": 773, "kind": "fkWorksheetList", "entries": [{)" + members +
               "}]}]}";
    };
    const std::string longText(256, 'x');
    const struct {
        std::string json;
        std::string message;
    } cases[] = {
        {R"({"fields": [})", "malformed JSON at line 1, column 13"},
        {"{\"fields\": [],\n \"group\": 1 2}", "line 2, column 13: expected ',' or '}'"},
        {R"({"fields": []} x)", "more text after the end"},
        {R"({"fields": ["\u00e9\x"]})", "unknown escape"},
        {"{\"fields\": [\"\xC3\x28\"]}", "not valid UTF-8"},
        {R"({"fields": ["\ud800"]})", "surrogate"},
        {std::string(100, '[') + std::string(100, ']'), "nested too deeply"},
        {R"({"fields": [], "fields": []})", "the member \"fields\" appears twice"},
        {R"({"feilds": []})", "unknown member \"feilds\""},
        {R"({"fields": {}})", "\"fields\" must be a list"},
        {R"({"group": 2147483648, "fields": []})", "\"group\" must be a whole number"},
        {R"({"index": 1.5, "fields": []})", "\"index\" must be a whole number"},
        {R"({"history": [7803, "x"], "fields": []})", "history entry 2 must be a whole number"},
        {R"({"fields": [{"field": 2000, "kind": "fkDollars", "value": 1}]})",
         "field 2000: a field number must be from 1 to 1999"},
        {R"({"fields": [{"field": 0, "kind": "fkDollars", "value": 1}]})", "field 0:"},
        {R"({"fields": [{"kind": "fkDollars", "value": 1}]})",
         "fields entry 1: the member \"field\" is missing"},
        {R"({"fields": [{"field": 5, "kind": "fkCheck", "checked": true},
                        {"field": 5, "kind": "fkCheck", "checked": true}]})",
         "field 5: the field appears twice"},
        {field(R"("kind": "fkMoney", "value": 1)"), "field 5: unknown kind \"fkMoney\""},
        {field(R"("kind": "fkEmpty")"), "field 5: a field cannot be of kind fkEmpty"},
        {field(R"("kind": "fkDollars", "text": "1")"), "field 5: unknown member \"text\""},
        {field(R"("kind": "fkDollars", "value": "1")"), "field 5: \"value\" must be a number"},
        {field(R"("kind": "fkDollars")"), "field 5: the member \"value\" is missing"},
        {field(R"("kind": "fkCents", "value": 1e99999)"), "field 5: the value 1e99999 is too large"},
        {field(R"("kind": "fkCents", "value": 1e-4940)"), "field 5: the value 1e-4940 is too large or too small"},
        {field(R"("kind": "fkCents", "value": 1, "raw": "00000000000000c0ff7f")"),
         "field 5: \"raw\" goes only with \"value\": null"},
        {field(R"("kind": "fkCents", "value": null, "raw": "00000000000000c0ff7")"),
         "field 5: a null \"value\" needs \"raw\""},
        {field(R"("kind": "fkCents", "value": null)"), "field 5: a null \"value\" needs \"raw\""},
        {field(R"("kind": "fkShortText", "text": "0123456789")"),
         "field 5: the text has 10 characters; an fkShortText holds at most 9"},
        {field(R"("kind": "fkLongText", "text": ")" + longText + "\""),
         "field 5: the text has 256 characters; an fkLongText holds at most 255"},
        {field(R"("kind": "fkLongText", "text": "Zoë 中")"),
         "field 5: the text holds the character \"中\" (U+4E2D)"},
        {field(R"("kind": "fkShortText", "text": 12)"), "field 5: the text must be a text"},
        {field(R"("kind": "fkCheck", "checked": 1)"), "field 5: \"checked\" must be true or false"},
        {field(R"("kind": "fkTextList", "lines": ["a", "b\r\nc"])"),
         "field 5: line 2 holds a line break or NUL"},
        {field(R"("kind": "fkTextList", "lines": ["a\u0000"])"),
         "field 5: line 1 holds a line break or NUL"},
        {field(R"("kind": "fkTextList", "lines": ["\u20ac", "😀"])"),
         "field 5: line 2 holds the character"},
        {entry(R"("worksheet": 0, "field": 710, "kind": "fkCheck", "checked": true)"),
         "field 773, entry 1: \"worksheet\" must be a worksheet number from 1 to 65535"},
        {entry(R"("worksheet": 65536, "field": 710, "kind": "fkCheck", "checked": true)"),
         "field 773, entry 1: \"worksheet\" must be a worksheet number"},
        {entry(R"("worksheet": 1, "field": 2000, "kind": "fkCheck", "checked": true)"),
         "field 773, entry 1: \"field\" must be a field number from 1 to 1999"},
        {entry(R"("worksheet": 1, "field": 710, "kind": "fkCheck")"),
         "field 773, entry 1: the member \"checked\" is missing"},
        {entry(R"("worksheet": 1, "field": 710, "kind": "fkWorksheetList", "entries": [])"),
         "field 773, entry 1: unknown member \"entries\""},
        {R"({"fields": [{"field": 1, "kind": "fkDollars", "value": 876543210}]})",
         "field 1: the key source must be"},
        {R"({"fields": [{"field": 1, "kind": "fkShortText", "text": "876543211"}]})",
         "field 1: the key source has other digits than --key"},
    };
    for (const auto& c : cases) {
        const Outcome load = Ftbfile({"load", file, "--key", "876543210"}, c.json);
        EXPECT_EQ(load.code, 1) << c.json;
        EXPECT_NE(load.err.find(c.message), std::string::npos) << c.json << "\n" << load.err;
        EXPECT_EQ(ReadBytes(file), before) << c.json;
        EXPECT_EQ(Names(), std::set<std::string>{"R.TAX"}) << c.json;
    }
}

TEST_F(FtbfileTest, DumpReportsFilesItCannotReadAndLeavesNothingBeside) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"new", file, "--key", "876543210"}).code, 0);
    WriteBytes(Path("SHORT.TAX"), "12345");

    // A plain return whose second record has a tag outside 1..1999.
    std::string plain(data::kFileSignature);
    plain += std::string(12, '\0');                         // group, index, empty history
    plain += std::string("\x01\0\0\0\x06", 5) + "\x01" + std::string(9, '\0');  // field 1 checked
    plain += std::string("\xD0\x07\0\0\x06", 5);            // tag 2000
    WriteBytes(Path("plain"), plain);
    data::EncryptFile(data::RealFileSystem(), Path("plain"), Path("DAMAGED.TAX"),
                      data::MakeFileKey("1"));
    // One whose record is cut short by the end of the file.
    WriteBytes(Path("plain"), plain.substr(0, plain.size() - 5) + std::string("\x02\0\0\0\x05\x05" "ab", 7));
    data::EncryptFile(data::RealFileSystem(), Path("plain"), Path("CUT.TAX"),
                      data::MakeFileKey("1"));
    std::filesystem::remove(Path("plain"));

    // Each message names the file given, never the name it was read through.
    const struct {
        std::string file;
        std::string key;
        std::string message;
    } cases[] = {
        {file, "876543211", "Unable to open file - " + file + "\n"},
        {Path("MISSING.TAX"), "1",
         "Cannot open file \"" + Path("MISSING.TAX") + "\". No such file or directory\n"},
        {Path("SHORT.TAX"), "1",
         "Cannot read file \"" + Path("SHORT.TAX") + "\". Invalid file format\n"},
        {Path("CUT.TAX"), "1",
         "Cannot read file \"" + Path("CUT.TAX") + "\". Read beyond end of file\n"},
        {Path("DAMAGED.TAX"), "1",
         "Error reading file, field tag = 2000 last tag = 1\nThe file \"" + Path("DAMAGED.TAX") +
             "\" was not changed.\n"},
    };
    const std::set<std::string> names = Names();
    for (const auto& c : cases) {
        const Outcome dump = Ftbfile({"dump", c.file, "--key", c.key});
        EXPECT_EQ(dump.code, 1) << c.file;
        EXPECT_EQ(dump.out, "") << c.file;
        EXPECT_NE(dump.err.find(c.message), std::string::npos) << c.file << "\n" << dump.err;
        EXPECT_EQ(Names(), names) << c.file;
    }
}

TEST_F(FtbfileTest, DumpReadsABackupWithoutTouchingIt) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"new", file, "--key", "5"}).code, 0);
    ASSERT_EQ(Ftbfile({"new", file, "--key", "6", "--force"}).code, 0);
    const Outcome dump = Ftbfile({"dump", Path("R.BAK"), "--key", "5"});
    EXPECT_EQ(dump.code, 0) << dump.err;
    EXPECT_NE(dump.out.find(R"("text": "5")"), std::string::npos) << dump.out;
    EXPECT_EQ(Names(), (std::set<std::string>{"R.BAK", "R.TAX"}));
}

TEST_F(FtbfileTest, KeyPrintsTheKeyThatOpensTheReturn) {
    const std::string file = Path("R.TAX");
    ASSERT_EQ(Ftbfile({"new", file, "--key", "0123"}).code, 0);
    const Outcome key = Ftbfile({"key", "0-1-2-3"});
    ASSERT_EQ(key.code, 0);
    ASSERT_EQ(key.out.size(), 33u);
    ASSERT_EQ(key.out.find_first_not_of("0123456789abcdef"), 32u) << key.out;
    EXPECT_NE(Ftbfile({"key", "123"}).out, key.out) << "a leading zero is a digit of the key";

    data::FileKey bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(std::stoi(key.out.substr(2 * i, 2), nullptr, 16));
    data::DecryptFile(data::RealFileSystem(), file, Path("plain"), bytes);
    EXPECT_EQ(ReadBytes(Path("plain")).substr(0, data::kFileSignature.size()), data::kFileSignature);
}

TEST_F(FtbfileTest, UsageErrorsExitWithTwoAndHelpWithZero) {
    const std::string file = Path("R.TAX");
    const std::vector<std::string> usageErrors[] = {
        {},
        {"convert", file},
        {"dump", file},
        {"dump", "--key", "1"},
        {"dump", file, "extra", "--key", "1"},
        {"new", file, "--key", "1", "--bogus"},
        {"new", file, "--key", "中"},
        {"new", file, "--key", std::string(256, '1')},
        {"key"},
    };
    for (const auto& arguments : usageErrors) {
        const Outcome outcome = Ftbfile(arguments);
        EXPECT_EQ(outcome.code, 2) << ::testing::PrintToString(arguments);
        EXPECT_FALSE(outcome.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(file));

    EXPECT_EQ(Ftbfile({"--help"}).code, 0);
    for (const char* command : {"new", "dump", "load", "key", "check", "assess"}) {
        const Outcome help = Ftbfile({command, "--help"});
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: ftbfile " + std::string(command) + " ", 0), 0u) << help.out;
    }
}

TEST_F(FtbfileTest, LoadReportsAJsonFileItCannotRead) {
    const Outcome load = Ftbfile({"load", Path("R.TAX"), "--key", "1", "--json", Path("none.json")});
    EXPECT_EQ(load.code, 1);
    EXPECT_NE(load.err.find("Cannot open file"), std::string::npos) << load.err;
    EXPECT_TRUE(Names().empty());
}

}  // namespace
}  // namespace ftb::ftbfile
