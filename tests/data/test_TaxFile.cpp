#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <set>

#include "data/Errors.h"
#include "data/FileCipher.h"
#include "data/MemoryFileSystem.h"
#include "data/PlainFormat.h"
#include "data/TaxFile.h"
#include "platform/RecordingDialogs.h"
#include "tests/data/support/FaultyFileSystem.h"

namespace ftb::data {
namespace {

namespace stdfs = std::filesystem;
using testing::FaultyFileSystem;
using testing::FileOp;

// Little-endian byte strings for expected and crafted plain files.
class Bytes {
  public:
    Bytes& I32(std::int32_t v) {
        for (int s = 0; s < 32; s += 8)
            data_ += static_cast<char>(static_cast<std::uint32_t>(v) >> s);
        return *this;
    }
    Bytes& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    Bytes& U8(unsigned v) {
        data_ += static_cast<char>(v);
        return *this;
    }
    Bytes& Str(std::string_view s) {
        data_ += s;
        return *this;
    }
    Bytes& Zeros(int n) {
        data_.append(static_cast<std::size_t>(n), '\0');
        return *this;
    }
    Bytes& Str(const Bytes& more) { return Str(std::string_view(more.data_)); }
    operator std::string() const { return data_; }
    friend std::string operator+(const std::string& a, const Bytes& b) { return a + b.data_; }

  private:
    std::string data_;
};

// The 10-byte extended encodings of 100 and 250.
const std::string kExt100 = Bytes().Zeros(7).U8(0xC8).U8(0x05).U8(0x40);
const std::string kExt250 = Bytes().Zeros(7).U8(0xFA).U8(0x06).U8(0x40);

std::string Header(std::int32_t group = 0, std::int32_t index = 0,
                   std::vector<std::int32_t> history = {}) {
    Bytes b;
    b.Str(kFileSignature).I32(group).I32(index).I32(static_cast<std::int32_t>(history.size()));
    for (auto screen : history) b.I32(screen);
    return b;
}

// A complete record for a short text.
std::string ShortTextRecord(std::int32_t tag, std::string_view text) {
    return Bytes().I32(tag).U8(fkShortText).U8(static_cast<unsigned>(text.size())).Str(text);
}

std::string PlainOf(const FieldStore& store, const ScreenPosition& position = {}) {
    MemoryFileSystem memory;
    WritePlain(store, position, *memory.Create("plain"));
    return *memory.Contents("plain");
}

// The records of a plain file without a screen history.
std::string RecordsOf(const FieldStore& store) { return PlainOf(store).substr(Header().size()); }

struct PlainRead {
    PlainReadResult result;
    ScreenPosition position;
};

PlainRead ReadBytes(const std::string& plain, FieldStore& store) {
    MemoryFileSystem memory;
    memory.SetContents("plain", plain);
    PlainRead read;
    ReadPlain(*memory.OpenRead("plain"), store, read.position, read.result);
    return read;
}

class TaxFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (stdfs::temp_directory_path() / "taxfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = Path("R.TAX");
    }
    void TearDown() override { stdfs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : stdfs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void SetContents(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    // The plain bytes of an enciphered file (read outside the directory under test).
    std::string Decrypted(const std::string& path, const std::string& keyText) const {
        std::string plain =
            (stdfs::temp_directory_path() / (dir_.filename().string() + ".plain")).string();
        DecryptFile(RealFileSystem(), path, plain, MakeFileKey(keyText));
        std::string bytes = Contents(plain);
        stdfs::remove(plain);
        return bytes;
    }
    void WriteEnciphered(const std::string& path, const std::string& plain,
                         const std::string& keyText) const {
        std::string input =
            (stdfs::temp_directory_path() / (dir_.filename().string() + ".in")).string();
        SetContents(input, plain);
        EncryptFile(RealFileSystem(), input, path, MakeFileKey(keyText));
        stdfs::remove(input);
    }

    // Reads the file at path_ into store_ with key source "123456".
    TaxFile ReadReturn() {
        TaxFile file(store_, RealFileSystem(), dialogs_);
        file.SetKeySource("123456");
        store_.SetFieldStr(1, "123456");
        file.Read(path_);
        return file;
    }

    stdfs::path dir_;
    std::string path_;
    FieldStore store_;
    platform::RecordingDialogs dialogs_;
};

// ---- format ---------------------------------------------------------------------------------

TEST_F(TaxFileTest, SaveWritesKeyFieldAndHostMarkAfterThePosition) {
    store_.SetFieldStr(1, "12 34-56");
    TaxFile file(store_, RealFileSystem(), dialogs_);
    file.SetScreen(78, 5);
    file.History() = {7803, 7805};
    file.Save(path_);

    // Enciphered with the digits of field 1 only.
    EXPECT_EQ(
        Decrypted(path_, "123456"),
        Header(78, 5, {7803, 7805}) + ShortTextRecord(1, "12 34-56") + ShortTextRecord(1300, "EI"));
    EXPECT_EQ(Files(), std::set<std::string>{"R.TAX"});
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST(PlainFormat, RecordsAreWrittenByTheRulesOfTheirKind) {
    struct Case {
        const char* name;
        std::function<void(FieldStore&)> fill;
        std::string records;
    };
    // clang-format off
    const Case cases[] = {
        {"integer zero is written",
         [](FieldStore& s) { s.SetFieldKind(42, fkInteger); s.SetFieldVal(42, 0); },
         Bytes().I32(42).U8(fkInteger).Zeros(10)},
        {"dollars zero is not written", [](FieldStore& s) { s.SetFieldVal(41, 0); }, ""},
        {"cents", [](FieldStore& s) { s.SetFieldKind(43, fkCents); s.SetFieldVal(43, 100); },
         Bytes().I32(43).U8(fkCents).Str(kExt100)},
        {"only the checked flag",
         [](FieldStore& s) { s.SetFieldChecked(44); s.SetFieldUnchecked(45); },
         Bytes().I32(44).U8(fkCheck).U8(1).Zeros(9)},
        {"empty short text is not written", [](FieldStore& s) { s.SetFieldStr(46, ""); }, ""},
        {"long text", [](FieldStore& s) { s.SetFieldStr(47, "0123456789"); },
         Bytes().I32(47).U8(fkLongText).U8(10).Str("0123456789")},
        {"text list", [](FieldStore& s) { s.SetFieldLst(40, {"a", "b"}); },
         Bytes().I32(40).U8(fkTextList).I32(9).Str("a\r\nb\r\n").Zeros(3)},
        {"empty text list is not written", [](FieldStore& s) { s.SetFieldLst(48, {}); }, ""},
        {"two worksheets of a name and an amount",
         [](FieldStore& s) {
             s.OpenWorksheetList(kSpouseList);
             s.SetFieldStr(710, "Ann");
             s.SetFieldVal(720, 100);
             s.StoreWorksheet(kSpouseList, 1);
             s.SetFieldStr(710, "Bob");
             s.SetFieldVal(720, 250);
             s.StoreWorksheet(kSpouseList, 2);
         },
         Bytes().I32(770).U8(fkWorksheetList).I32(4)
             .U16(1).I32(720).U8(fkDollars).U8(0).Str(kExt100)
             .U16(1).I32(710).U8(fkShortText).U8(0).U8(3).Str("Ann").Zeros(6)
             .U16(2).I32(720).U8(fkDollars).U8(0).Str(kExt250)
             .U16(2).I32(710).U8(fkShortText).U8(0).U8(3).Str("Bob").Zeros(6)},
        {"worksheet entries with a long text and a text list",
         [](FieldStore& s) {
             s.OpenWorksheetList(kDependantList);
             s.SetFieldStr(711, "0123456789");
             s.SetFieldLst(1101, {"x"});
             s.StoreWorksheet(kDependantList, 1);
         },
         Bytes().I32(773).U8(fkWorksheetList).I32(3)
             .U16(1).I32(1101).U8(fkTextList).U8(0).Zeros(10).I32(6).Str("x\r\n").Zeros(3)
             .U16(1).I32(711).U8(fkLongText).U8(0).Zeros(10).U8(10).Str("0123456789")
             .U16(1).I32(710).U8(fkLongText).U8(0).Zeros(10).U8(14).Str("Worksheet No 1")},
    };
    // clang-format on
    for (const auto& c : cases) {
        FieldStore store;
        c.fill(store);
        EXPECT_EQ(RecordsOf(store), c.records) << c.name;
    }
}

// A file written by another program may hold meaningless reference bytes in a worksheet entry
// and lines ended in other ways; both read as values and are written back in the one form.
TEST(PlainFormat, ReadingIgnoresReferenceBytesAndSplitsLinesAtEveryBreak) {
    // clang-format off
    // The list body: n = 11, "a\nb\rc\r\n" and four zero bytes.
    const std::string plain = Header() +
        Bytes().I32(773).U8(fkWorksheetList).I32(2)
            .U16(1).I32(711).U8(fkLongText).U8(0).U8(0xDE).U8(0xAD).U8(0xBE).U8(0xEF).Zeros(6)
                .U8(10).Str("0123456789")
            .U16(1).I32(1101).U8(fkTextList).U8(0).U8(0x12).U8(0x34).U8(0x56).U8(0x78).Zeros(6)
                .I32(11).Str("a\nb\rc\r\n").Zeros(4);
    // clang-format on
    FieldStore store;
    ASSERT_TRUE(ReadBytes(plain, store).result.signatureMatched);
    TextList lines;
    store.GetWorksheetLines(kDependantList, 0, 1101, lines);
    EXPECT_EQ(lines, (TextList{"a", "b", "c"}));
    EXPECT_EQ(std::get<std::string>(store.GetWorksheetValue(kDependantList, 0, 711)), "0123456789");
    // clang-format off
    EXPECT_EQ(RecordsOf(store), std::string(Bytes().I32(773).U8(fkWorksheetList).I32(2)
        .U16(1).I32(711).U8(fkLongText).U8(0).Zeros(10).U8(10).Str("0123456789")
        .U16(1).I32(1101).U8(fkTextList).U8(0).Zeros(10).I32(12).Str("a\r\nb\r\nc\r\n").Zeros(3)));
    // clang-format on
}

TEST(PlainFormat, CountsThatAreNotDamageReadSafely) {
    FieldStore store;
    // A history count far beyond the file ends with the file; an empty text list is a list.
    auto read = ReadBytes(
        Bytes().Str(kFileSignature).I32(78).I32(9).I32(INT32_MAX).I32(7803).I32(7805), store);
    EXPECT_EQ(read.position.history, (std::vector<std::int32_t>{7803, 7805}));
    EXPECT_EQ(read.result.recordsRead, 0);

    read = ReadBytes(
        Header() + std::string(Bytes().I32(40).U8(fkTextList).I32(0)) + ShortTextRecord(5, "abc"),
        store);
    EXPECT_FALSE(read.result.damagedTag);
    EXPECT_EQ(store.GetFieldKind(40), fkTextList);
    ASSERT_NE(store.GetFieldLst(40), nullptr);
    EXPECT_TRUE(store.GetFieldLst(40)->empty());
    EXPECT_EQ(store.GetFieldStr(5), "abc");
}

// ---- reading and saving ---------------------------------------------------------------------

TEST_F(TaxFileTest, EveryKindRoundTripsAndSavesByteIdentical) {
    const std::string longText = [] {
        std::string text;
        for (int c = 1; c <= 255; ++c) text += static_cast<char>(c);
        return text;
    }();
    store_.SetFieldStr(1, "123456");
    store_.SetFieldKind(2, fkInteger);
    store_.SetFieldVal(2, -5);
    store_.SetFieldVal(3, 1234);
    store_.SetFieldKind(4, fkCents);
    store_.SetFieldVal(4, 1234.56L);
    store_.SetFieldStr(5, "abc");
    store_.SetFieldStr(6, longText);
    store_.SetFieldChecked(7);
    store_.SetFieldLst(8, {"line one", "", "x"});
    for (int list : {kSpouseList, kDependantList}) {
        store_.OpenWorksheetList(list);
        for (int k = 1; k <= 3; ++k) {
            store_.SetFieldStr(710, "Person " + std::to_string(k));
            store_.SetFieldStr(711, std::string(200, static_cast<char>('a' + k)));
            store_.SetFieldLst(1101, {"first", std::to_string(k)});
            store_.SetFieldVal(720, 100 * k);
            store_.SetFieldChecked(721);
            store_.StoreWorksheet(list, k);
        }
    }
    store_.SetFieldStr(1999, "end");
    TaxFile first(store_, RealFileSystem(), dialogs_);
    first.SetScreen(78, 9);
    first.History() = {7803, 7805, 7809};
    first.Save(path_);

    FieldStore again;
    TaxFile second(again, RealFileSystem(), dialogs_);
    second.SetKeySource("123456");
    second.Read(path_);
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_TRUE(second.FileLoaded());
    EXPECT_EQ(second.Caption(), "Ledgra 2002 - " + path_);
    EXPECT_EQ(second.ScreenGroup(), 78);
    EXPECT_EQ(second.ScreenIndex(), 9);
    EXPECT_EQ(second.History(), first.History());
    EXPECT_EQ(again.GetFieldInt(2), -5);
    EXPECT_EQ(again.GetFieldText(4), "1234.56");
    EXPECT_EQ(again.GetFieldStr(6), longText);
    EXPECT_EQ(*again.GetFieldLst(8), (TextList{"line one", "", "x"}));
    EXPECT_EQ(std::get<std::string>(again.GetWorksheetValue(kDependantList, 2, 711)),
              std::string(200, 'd'));
    TextList lines;
    again.GetWorksheetLines(kSpouseList, 1, 1101, lines);
    EXPECT_EQ(lines, (TextList{"first", "2"}));

    const std::string copy = Path("COPY.TAX");
    second.Save(copy);
    EXPECT_EQ(Contents(copy), Contents(path_));
}

TEST_F(TaxFileTest, SavingTwiceKeepsTheFirstVersionAsBackupAndNothingPlain) {
    FaultyFileSystem files;
    store_.SetFieldStr(1, "123456");
    TaxFile file(store_, files, dialogs_);
    file.Save(path_);
    const std::string firstVersion = Contents(path_);
    store_.SetFieldStr(5, "changed");
    file.Save(path_);

    EXPECT_EQ(Contents(Path("R.BAK")), firstVersion);
    EXPECT_EQ(Decrypted(path_, "123456"), Header() + ShortTextRecord(1, "123456") +
                                              ShortTextRecord(5, "changed") +
                                              ShortTextRecord(1300, "EI"));
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK"}));
    // The plain work file and the new return were only ever readable by their owner.
    for (const auto& [created, mode] : files.Created()) EXPECT_EQ(mode, 0600u) << created;
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(TaxFileTest, WrongKeyReportsTheFileAndKeepsOnlyFieldOne) {
    store_.SetFieldStr(1, "123456");
    store_.SetFieldStr(5, "abc");
    TaxFile(store_, RealFileSystem(), dialogs_).Save(path_);

    FieldStore other;
    other.SetFieldStr(1, "654321");
    TaxFile file(other, RealFileSystem(), dialogs_);
    file.SetKeySource("654321");
    file.SetScreen(78, 3);
    file.Read(path_);

    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].title, "Error");
    EXPECT_EQ(dialogs_.shown[0].text, "Unable to open file - " + path_);
    EXPECT_EQ(other.GetFieldStr(1), "654321");
    for (int field = 2; field <= kFieldCount; ++field)
        ASSERT_EQ(other.GetFieldKind(field), fkEmpty) << field;
    EXPECT_FALSE(file.FileLoaded());
    EXPECT_TRUE(file.Caption().empty());
    EXPECT_TRUE(file.CurrentPath().empty());
    EXPECT_TRUE(file.KeySource().empty());
    EXPECT_EQ(file.ScreenGroup(), 0);
    EXPECT_EQ(file.ScreenIndex(), 0);
    EXPECT_EQ(Files(), std::set<std::string>{"R.TAX"});
}

TEST_F(TaxFileTest, RecordCutShortRaisesAndKeepsTheRecordsBefore) {
    const std::string before = Header() + ShortTextRecord(5, "abc");
    const struct {
        const char* name;
        std::string tail;
    } cases[] = {
        {"in the tag", Bytes().U8(6).U8(0)},
        {"after the kind", Bytes().I32(6).U8(fkDollars)},
        {"in a text", Bytes().I32(6).U8(fkLongText).U8(12).Str("ab")},
        {"in a worksheet entry",
         Bytes().I32(773).U8(fkWorksheetList).I32(1).U16(1).I32(710).U8(fkShortText)},
    };
    for (const auto& c : cases) {
        WriteEnciphered(path_, before + c.tail, "123456");
        store_.ClearAllFields();
        TaxFile file(store_, RealFileSystem(), dialogs_);
        file.SetKeySource("123456");
        EXPECT_THROW(file.Read(path_), EInOutError) << c.name;
        EXPECT_EQ(store_.GetFieldStr(5), "abc") << c.name;
        EXPECT_EQ(store_.GetFieldKind(6), fkEmpty) << c.name;
        EXPECT_EQ(store_.GetFieldKind(773), fkEmpty) << c.name;
        EXPECT_TRUE(file.FileLoaded()) << c.name;
        EXPECT_EQ(file.Caption(), "Ledgra 2002 - " + path_) << c.name;
        EXPECT_EQ(Files(), std::set<std::string>{"R.TAX"}) << c.name;
    }
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(TaxFileTest, DamagedRecordStopsTheReadingWithItsTagAndThePreviousOne) {
    const auto entry = [](unsigned kind) { return Bytes().U16(1).I32(710).U8(kind).U8(0); };
    const std::string beyond = ", more than the rest of the file holds.";
    const std::string entry1 = "Entry 1 of field 9 (worksheet 1, field 710)";
    // A tag that is no field number is all the first line says; any other damage is said on
    // the next line, with the field (and the worksheet entry) it is in.
    const struct {
        const char* name;
        std::int32_t tag;
        std::string record;
        std::string damage;
    } cases[] = {
        {"tag 0", 0, Bytes().I32(0).U8(fkShortText).U8(1).Str("x"), ""},
        {"tag above the fields", 2000, Bytes().I32(2000).U8(fkShortText).U8(1).Str("x"), ""},
        {"negative tag", -7, Bytes().I32(-7), ""},
        {"kind 0", 9, Bytes().I32(9).U8(0).Zeros(10),
         "Field 9 has the kind byte 0, which no field has."},
        {"kind 9", 9, Bytes().I32(9).U8(9).Zeros(10),
         "Field 9 has the kind byte 9, which no field has."},
        {"short text of 10", 9, Bytes().I32(9).U8(fkShortText).U8(10).Str("0123456789"),
         "Field 9 holds a short text of 10 characters; at most 9 fit."},
        {"negative list count", 9, Bytes().I32(9).U8(fkTextList).I32(-1),
         "Field 9 holds a text list of -1 bytes."},
        {"list count beyond the file", 9, Bytes().I32(9).U8(fkTextList).I32(100000).Str("a\r\n"),
         "Field 9 holds a text list of 100000 bytes" + beyond},
        {"negative entry count", 9, Bytes().I32(9).U8(fkWorksheetList).I32(-1),
         "Field 9 holds a worksheet list of -1 entries."},
        {"entry count beyond the file", 9, Bytes().I32(9).U8(fkWorksheetList).I32(100000),
         "Field 9 holds a worksheet list of 100000 entries" + beyond},
        {"entry of kind 9", 9, Bytes().I32(9).U8(fkWorksheetList).I32(1).Str(entry(9)).Zeros(10),
         entry1 + " has the kind byte 9, which no field has."},
        {"entry short text of 10", 9,
         Bytes().I32(9).U8(fkWorksheetList).I32(1).Str(entry(fkShortText)).U8(10).Str("012345678"),
         entry1 + " holds a short text of 10 characters; at most 9 fit."},
        {"entry list count beyond the file", 9,
         Bytes().I32(9).U8(fkWorksheetList).I32(1).Str(entry(fkTextList)).Zeros(10).I32(100000),
         entry1 + " holds a text list of 100000 bytes" + beyond},
        {"entry list count negative", 9,
         Bytes().I32(9).U8(fkWorksheetList).I32(1).Str(entry(fkTextList)).Zeros(10).I32(-3),
         entry1 + " holds a text list of -3 bytes."},
    };
    for (const auto& c : cases) {
        // The record after the damaged one is never read.
        WriteEnciphered(path_,
                        Header() + ShortTextRecord(5, "abc") + c.record + ShortTextRecord(12, "zz"),
                        "123456");
        const std::string damaged = Contents(path_);
        stdfs::remove(Path("R.BAD"));
        store_.ClearAllFields();
        dialogs_.shown.clear();
        ReadReturn();
        ASSERT_EQ(dialogs_.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs_.shown[0].title, "Error") << c.name;
        EXPECT_EQ(dialogs_.shown[0].text,
                  "Error reading file, field tag = " + std::to_string(c.tag) +
                      " last tag = 5\n" + c.damage + (c.damage.empty() ? "" : "\n") +
                      "The file \"" + path_ + "\" was kept unchanged as \"" + Path("R.BAD") + "\".")
            << c.name;
        EXPECT_EQ(store_.GetFieldStr(5), "abc") << c.name;
        EXPECT_EQ(store_.GetFieldKind(9), fkEmpty) << c.name;
        EXPECT_EQ(store_.GetFieldKind(12), fkEmpty) << c.name;
        // The return that could not be read whole is kept byte for byte before any save.
        EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAD"})) << c.name;
        EXPECT_EQ(Contents(Path("R.BAD")), damaged) << c.name;
    }
}

// A damaged return read twice, each time saved over (as two runs of a host do): both copies
// of the original survive, whatever the backups hold by then.
TEST_F(TaxFileTest, DamagedReturnSurvivesTwoRunsAsBad) {
    WriteEnciphered(path_, Header() + ShortTextRecord(5, "abc") + Bytes().I32(0).U8(1).Str("x"),
                    "123456");
    const std::string damaged = Contents(path_);
    for (int run = 0; run < 2; ++run) {
        TaxFile file = ReadReturn();
        file.Save(path_);
    }
    EXPECT_EQ(Contents(Path("R.BAD")), damaged);
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK", "R.BAD"}));
    ASSERT_EQ(dialogs_.shown.size(), 1u);  // the second run read a whole return
}

TEST_F(TaxFileTest, ReturnNamedLikeItsCompanionIsRefusedUntouched) {
    const std::string backup = Path("R.BAK");
    SetContents(backup, "previous");
    store_.SetFieldStr(1, "123456");
    TaxFile file(store_, RealFileSystem(), dialogs_);
    EXPECT_THROW(file.Save(backup), EFileOpenError);
    EXPECT_THROW(file.Read(Path("R.SEC")), EFileOpenError);
    EXPECT_EQ(Contents(backup), "previous");
    EXPECT_EQ(Files(), std::set<std::string>{"R.BAK"});
}

// ---- failures -------------------------------------------------------------------------------

class TaxFileFaultTest : public TaxFileTest {
  protected:
    void SetUp() override {
        TaxFileTest::SetUp();
        store_.SetFieldStr(1, "123456");
        store_.SetFieldStr(5, "old");
        TaxFile(store_, RealFileSystem(), dialogs_).Save(path_);
        previous_ = Contents(path_);
        store_.SetFieldStr(5, "new");
        store_.SetFieldLst(8, {std::string(100000, 'x')});  // several buffers of plain data
    }

    // The directory before a save: the previous return and an older backup, or nothing.
    void Prepare(bool existing) {
        for (const auto& name : Files()) stdfs::remove(dir_ / name);
        if (!existing) return;
        SetContents(path_, previous_);
        SetContents(Path("R.BAK"), "older");
    }

    std::string previous_;
};

TEST_F(TaxFileFaultTest, EveryFailingSaveOperationKeepsThePreviousReturn) {
    for (bool existing : {true, false}) {
        FaultyFileSystem files;
        Prepare(existing);
        TaxFile(store_, files, dialogs_).Save(path_);
        const std::string saved = Contents(path_);
        std::array<int, testing::kAllFileOps.size()> counts{};
        for (FileOp op : testing::kAllFileOps)
            counts[static_cast<std::size_t>(op)] = files.Count(op);
        EXPECT_GT(counts[static_cast<std::size_t>(FileOp::Sync)], 0);
        EXPECT_EQ(counts[static_cast<std::size_t>(FileOp::Link)], existing ? 1 : 0);

        for (FileOp op : testing::kAllFileOps) {
            for (int k = 1; k <= counts[static_cast<std::size_t>(op)]; ++k) {
                SCOPED_TRACE(std::string(existing ? "over a return, " : "new return, ") +
                             testing::FileOpName(op) + " #" + std::to_string(k));
                Prepare(existing);
                files.Reset();
                files.FailAt(op, k);
                if (op == FileOp::Link) {
                    // A backup that cannot be linked is copied.
                    TaxFile(store_, files, dialogs_).Save(path_);
                    EXPECT_EQ(Contents(path_), saved);
                    EXPECT_EQ(Contents(Path("R.BAK")), previous_);
                    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK"}));
                    continue;
                }
                if (op == FileOp::Sync && k == counts[static_cast<std::size_t>(op)]) {
                    // The folder's flush after the rename: the new return is in place.
                    std::string message;
                    try {
                        TaxFile(store_, files, dialogs_).Save(path_);
                    } catch (const EInOutError& error) {
                        message = error.what();
                    }
                    EXPECT_EQ(message, "Saved file \"" + path_ +
                                           "\", but cannot flush its folder, so a power "
                                           "failure may undo the save. Input/output error");
                    EXPECT_EQ(Contents(path_), saved);
                    if (existing) {
                        EXPECT_EQ(Contents(Path("R.BAK")), previous_);
                    }
                    const std::set<std::string> names =
                        existing ? std::set<std::string>{"R.TAX", "R.BAK"}
                                 : std::set<std::string>{"R.TAX"};
                    EXPECT_EQ(Files(), names);
                    continue;
                }
                EXPECT_THROW(TaxFile(store_, files, dialogs_).Save(path_), EFtbError);
                std::set<std::string> left = Files();
                left.erase("R.BAK");
                if (existing) {
                    EXPECT_EQ(Contents(path_), previous_);
                    EXPECT_EQ(left, std::set<std::string>{"R.TAX"});
                } else {
                    EXPECT_TRUE(left.empty());
                }
            }
        }
    }
    EXPECT_TRUE(dialogs_.shown.empty());
}

// A save stopped after it kept the backup leaves the return and its backup as two names of one
// file; the next save keeps the backup as before and leaves no other name behind.
TEST_F(TaxFileFaultTest, BackupThatIsASecondNameOfTheReturnIsKeptWithoutLeftOvers) {
    Prepare(true);
    stdfs::remove(Path("R.BAK"));
    stdfs::create_hard_link(path_, Path("R.BAK"));
    TaxFile(store_, RealFileSystem(), dialogs_).Save(path_);
    EXPECT_EQ(Contents(Path("R.BAK")), previous_);
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK"}));
}

TEST_F(TaxFileFaultTest, BackupThatCanNeitherBeLinkedNorCopiedFailsTheSave) {
    FaultyFileSystem files;
    Prepare(true);
    files.FailAt(FileOp::Link, 1);
    files.FailAt(FileOp::Create, 3);  // the work file, the new return, then the copy
    EXPECT_THROW(TaxFile(store_, files, dialogs_).Save(path_), EInOutError);
    EXPECT_EQ(Contents(path_), previous_);
    // The older backup is replaced only by a complete one.
    EXPECT_EQ(Contents(Path("R.BAK")), "older");
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK"}));
}

TEST_F(TaxFileFaultTest, EveryFailingReadOperationRaisesAndRemovesTheWorkFile) {
    FaultyFileSystem files;
    FieldStore store;
    TaxFile probe(store, files, dialogs_);
    probe.SetKeySource("123456");
    probe.Read(path_);
    ASSERT_EQ(store.GetFieldStr(5), "old");
    std::array<int, testing::kAllFileOps.size()> counts{};
    for (FileOp op : testing::kAllFileOps) counts[static_cast<std::size_t>(op)] = files.Count(op);

    for (FileOp op : testing::kAllFileOps) {
        for (int k = 1; k <= counts[static_cast<std::size_t>(op)]; ++k) {
            SCOPED_TRACE(std::string(testing::FileOpName(op)) + " #" + std::to_string(k));
            files.Reset();
            files.FailAt(op, k);
            TaxFile file(store, files, dialogs_);
            file.SetKeySource("123456");
            EXPECT_THROW(file.Read(path_), EFtbError);
            EXPECT_EQ(Files(), std::set<std::string>{"R.TAX"});
        }
    }
    for (const auto& [created, mode] : files.Created()) EXPECT_EQ(mode, 0600u) << created;
    EXPECT_TRUE(dialogs_.shown.empty());
}

// A read or a save first removes what a stopped save left beside the return (the plain work
// file, temporaries no running save holds) and nothing else: not a temporary still in use, not
// a file by another name, not the work file of another return or a file in another folder.
TEST_F(TaxFileTest, ReadAndSaveRemoveOnlyWhatAStoppedSaveLeft) {
    const std::set<std::string> kept = {"R.TAX",       "R.BAK",      ".~ftbinuse1",
                                        ".~ftbABC123", ".~ftbabc12", ".~ftbabc1234",
                                        "~ftbabc123",  "OTHER.SEC",  "R.SEC.txt"};
    const char* left[] = {"R.SEC", ".~ftbabc123", ".~ftb000000"};
    MemoryFileSystem memory;
    const struct {
        const char* name;
        FileSystem& fs;
        std::string folder;
    } systems[] = {{"in memory", memory, "/r"}, {"on disk", RealFileSystem(), dir_.string()}};
    stdfs::create_directory(dir_ / "sub");
    for (const auto& system : systems) {
        for (const bool save : {false, true}) {
            SCOPED_TRACE(std::string(system.name) + (save ? ", save" : ", read"));
            FileSystem& fs = system.fs;
            const auto put = [&](const std::string& name, const std::string& contents) {
                const std::string path = system.folder + "/" + name;
                ASSERT_EQ(fs.Create(path)->Write(contents.data(), contents.size()),
                          contents.size());
            };
            for (const std::string& name : fs.List(system.folder))
                fs.Remove(system.folder + "/" + name);
            FieldStore store;
            store.SetFieldStr(1, "123456");
            store.SetFieldStr(5, "answer");
            TaxFile(store, fs, dialogs_).Save(system.folder + "/R.TAX");
            TaxFile(store, fs, dialogs_).Save(system.folder + "/R.TAX");
            for (const std::string& name : kept)
                if (!fs.Exists(system.folder + "/" + name)) put(name, "user's");
            for (const char* name : left) put(name, "plain");
            put("sub/.~ftbabc123", "elsewhere");
            const auto inUse = fs.OpenRead(system.folder + "/.~ftbinuse1");
            ASSERT_TRUE(inUse->TryLock());

            TaxFile file(store, fs, dialogs_);
            file.SetKeySource("123456");
            if (save)
                file.Save(system.folder + "/R.TAX");
            else
                file.Read(system.folder + "/R.TAX");
            const std::vector<std::string> names = fs.List(system.folder);
            std::set<std::string> found(names.begin(), names.end());
            found.erase("sub");
            EXPECT_EQ(found, kept);
            EXPECT_TRUE(fs.Exists(system.folder + "/sub/.~ftbabc123"));
            EXPECT_EQ(store.GetFieldStr(5), "answer");
        }
    }
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(TaxFileTest, UnreadableReturnIsReplacedOnlyByAnswersAndThenKeptAsBad) {
    const std::string unreadable = [&] {
        WriteEnciphered(path_, Header() + ShortTextRecord(1, "999"), "999");
        return Contents(path_);
    }();
    SetContents(Path("R.BAD"), "kept before");

    TaxFile file = ReadReturn();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAD"}));  // reading makes no copy

    // Nothing entered: the return that could not be opened is left as it is.
    file.Save(path_);
    EXPECT_EQ(Contents(path_), unreadable);
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAD"}));

    store_.SetFieldStr(5, "answer");
    store_.SetModified(true);
    file.Save(path_);
    EXPECT_EQ(Contents(Path("R.BAD")), "kept before");
    EXPECT_EQ(Contents(Path("R.BAD1")), unreadable);
    EXPECT_EQ(Contents(Path("R.BAK")), unreadable);
    EXPECT_EQ(Decrypted(path_, "123456"), Header() + ShortTextRecord(1, "123456") +
                                              ShortTextRecord(5, "answer") +
                                              ShortTextRecord(1300, "EI"));
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[1].title, "Information");
    EXPECT_EQ(dialogs_.shown[1].text, "The file \"" + path_ +
                                          "\" could not be opened; it was kept unchanged as \"" +
                                          Path("R.BAD1") + "\" before your answers were saved.");

    const std::string firstSaved = Contents(path_);
    file.Save(path_);
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK", "R.BAD", "R.BAD1"}));
    EXPECT_EQ(Contents(Path("R.BAK")), firstSaved);
}

// The key that opened a return opens it again after a save, whatever field 1 held in the file.
TEST_F(TaxFileTest, SaveKeepsTheKeyThatOpenedTheReturn) {
    const struct {
        const char* name;
        std::string records;
    } cases[] = {
        {"no field 1", ShortTextRecord(5, "abc")},
        {"field 1 with other digits", ShortTextRecord(1, "999") + ShortTextRecord(5, "abc")},
    };
    for (const auto& c : cases) {
        WriteEnciphered(path_, Header() + c.records, "123456");
        dialogs_.shown.clear();
        store_.ClearAllFields();
        ReadReturn().Save(path_);
        store_.ClearAllFields();
        ReadReturn();
        EXPECT_TRUE(dialogs_.shown.empty()) << c.name;
        EXPECT_EQ(store_.GetFieldStr(5), "abc") << c.name;
    }
}

// A return reached through a link is saved into the file the link names: the link stays a link
// and the backup and the new version are made beside the file.
TEST_F(TaxFileTest, LinkedReturnIsSavedThroughTheLink) {
    stdfs::create_directory(dir_ / "real");
    const std::string target = Path("real/R.TAX");
    store_.SetFieldStr(1, "123456");
    store_.SetFieldStr(5, "old");
    TaxFile(store_, RealFileSystem(), dialogs_).Save(target);
    const std::string previous = Contents(target);
    stdfs::create_symlink("real/R.TAX", path_);

    TaxFile file = ReadReturn();
    store_.SetFieldStr(5, "new");
    file.Save(path_);

    EXPECT_TRUE(stdfs::is_symlink(path_));
    EXPECT_EQ(stdfs::read_symlink(path_), "real/R.TAX");
    EXPECT_EQ(Contents(Path("real/R.BAK")), previous);
    EXPECT_FALSE(stdfs::is_symlink(Path("real/R.BAK")));
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "real"}));
    store_.ClearAllFields();
    ReadReturn();
    EXPECT_EQ(store_.GetFieldStr(5), "new");
}

// The longest name a folder holds is saved too: the files made beside it have short names.
TEST_F(TaxFileTest, ReturnWithTheLongestNameIsSaved) {
    path_ = Path(std::string(NAME_MAX - 4, 'L') + ".TAX");
    store_.SetFieldStr(1, "123456");
    store_.SetFieldStr(5, "abc");
    TaxFile file(store_, RealFileSystem(), dialogs_);
    file.Save(path_);
    file.Save(path_);
    EXPECT_EQ(Files(), (std::set<std::string>{std::string(NAME_MAX - 4, 'L') + ".TAX",
                                              std::string(NAME_MAX - 4, 'L') + ".BAK"}));
    store_.ClearAllFields();
    ReadReturn();
    EXPECT_EQ(store_.GetFieldStr(5), "abc");
}

// A return on read-only media opens (the plain work file lives in a private folder), and a save
// there names the return and the system's reason. Permissions do not bind root, so as root the
// test drops to the user nobody in a child process.
TEST_F(TaxFileTest, ReturnInAReadOnlyFolderOpensAndItsSaveGivesTheReason) {
    store_.SetFieldStr(1, "123456");
    store_.SetFieldStr(5, "abc");
    TaxFile(store_, RealFileSystem(), dialogs_).Save(path_);
    const std::string saved = Contents(path_);
    constexpr uid_t kNobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir_.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(path_.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);

    const auto tryReturn = [this]() -> std::string {
        FieldStore store;
        platform::RecordingDialogs dialogs;
        TaxFile file(store, RealFileSystem(), dialogs);
        file.SetKeySource("123456");
        try {
            file.Read(path_);
        } catch (const std::exception& error) {
            return std::string("read: ") + error.what();
        }
        if (store.GetFieldStr(5) != "abc" || !dialogs.shown.empty()) return "read: wrong answers";
        try {
            file.Save(path_);
        } catch (const EInOutError& error) {
            return error.what();
        }
        return "saved";
    };
    std::string outcome;
    if (!root) {
        outcome = tryReturn();
    } else {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            ::unsetenv("TMPDIR");
            std::string text = "cannot become nobody";
            if (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) text = tryReturn();
            const ssize_t written = ::write(pipe[1], text.data(), text.size());
            ::_exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
        }
        ::close(pipe[1]);
        char buffer[512];
        for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) outcome.append(buffer, n);
        ::close(pipe[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    ::chmod(dir_.c_str(), 0755);
    EXPECT_EQ(outcome, "Cannot save file \"" + path_ + "\". Permission denied");
    EXPECT_EQ(Contents(path_), saved);
    EXPECT_EQ(Files(), std::set<std::string>{"R.TAX"});
}

// A pipe, a device or a folder at the return's path is refused at once, never waited on, and
// never replaced by a save; each message says which of them it is. The device saved to is a
// node of its own in the test's folder (made where the system lets the test make one), so a
// save that did replace it would harm nothing else.
TEST_F(TaxFileTest, ReturnThatIsNoRegularFileIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    const std::string device = Path("DEVICE.TAX");
    const bool madeDevice = ::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0;
    if (!madeDevice) std::cout << "No device node could be made here; /dev/null is only read\n";
    const struct {
        std::string path;
        bool save;
        std::string reason;
    } cases[] = {{path_, true, "Not a regular file: a pipe"},
                 {"/dev/null", false, "Not a regular file: a character device"},
                 {device, madeDevice, "Not a regular file: a character device"},
                 {dir_.string(), true, "Is a directory"}};
    // The message of the error the step raises; empty when it raises none.
    const auto refusal = [](const auto& step) {
        try {
            step();
        } catch (const EInOutError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    store_.SetFieldStr(1, "123456");
    for (const auto& c : cases) {
        if (c.path == device && !madeDevice) continue;
        TaxFile file(store_, RealFileSystem(), dialogs_);
        file.SetKeySource("123456");
        EXPECT_EQ(refusal([&] { file.Read(c.path); }),
                  "Cannot open file \"" + c.path + "\". " + c.reason);
        if (!c.save) continue;
        store_.SetModified(true);
        EXPECT_EQ(refusal([&] { file.Save(c.path); }),
                  "Cannot save file \"" + c.path + "\". " + c.reason);
    }
    EXPECT_EQ(stdfs::status(path_).type(), stdfs::file_type::fifo);
    if (madeDevice) {
        EXPECT_EQ(stdfs::status(device).type(), stdfs::file_type::character);
    }
    EXPECT_TRUE(stdfs::is_directory(dir_));
}

// Names planted beside a return (a link to another file where a backup or a copy would go)
// are never written through.
TEST_F(TaxFileTest, CompanionFilesAreNeverWrittenThroughAPlantedLink) {
    const std::string victim = Path("victim");
    SetContents(victim, "victim");
    stdfs::create_symlink("victim", Path("R.new"));
    EXPECT_THROW(RealFileSystem().CreateNew(Path("R.new"), 0600), EFileOpenError);

    store_.SetFieldStr(1, "123456");
    TaxFile file(store_, RealFileSystem(), dialogs_);
    file.Save(path_);
    stdfs::create_symlink("victim", Path("R.BAK"));
    file.Save(path_);
    EXPECT_EQ(Contents(victim), "victim");
    EXPECT_FALSE(stdfs::is_symlink(Path("R.BAK")));
}

}  // namespace
}  // namespace ftb::data
