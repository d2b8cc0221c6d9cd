// The module in a small host process of its own (tests/module/host), run as a tax-return program
// runs it: what survives of a return after whole runs, and how the process ends.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "data/FieldStore.h"
#include "data/FileCipher.h"
#include "data/PlainFormat.h"
#include "data/TaxFile.h"
#include "platform/RecordingDialogs.h"

namespace {

namespace stdfs = std::filesystem;
using ftb::data::FieldStore;
using ftb::data::TaxFile;

constexpr const char* kKey = "123456";

struct THostRun {
    int exitCode = -1;
    bool crashed = false;
    std::string output;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class HostRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        path_ = Path("R.TAX");
    }

    std::string Path(const std::string& name) const {
        return temp_.filePath(QString::fromStdString(name)).toStdString();
    }

    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : stdfs::directory_iterator(temp_.path().toStdString()))
            names.insert(entry.path().filename().string());
        return names;
    }

    THostRun Host(const std::string& key, int screen, const char* ending = "unload") const {
        QProcess host;
        host.setProcessChannelMode(QProcess::MergedChannels);
        host.start(QString::fromLatin1(FTB_SMALL_HOST),
                   {QString::fromLatin1(FTB_MODULE_LIBRARY), QString::fromStdString(path_),
                    QString::fromStdString(key), QString::number(screen),
                    QString::fromLatin1(ending)});
        THostRun run;
        if (!host.waitForFinished(120000)) {
            host.kill();
            host.waitForFinished();
            ADD_FAILURE() << "the host did not end";
        }
        run.crashed = host.exitStatus() != QProcess::NormalExit;
        run.exitCode = host.exitCode();
        run.output = host.readAll().toStdString();
        return run;
    }

    // Writes the plain bytes enciphered with kKey at path_.
    void WriteEnciphered(const std::string& plain) const {
        const std::string input = Path("plain.in");
        std::ofstream(input, std::ios::binary) << plain;
        ftb::data::EncryptFile(ftb::data::RealFileSystem(), input, path_,
                               ftb::data::MakeFileKey(kKey));
        stdfs::remove(input);
    }

    // The answers of the return as a host with kKey reads them; the boxes the read showed.
    FieldStore ReadBack(std::vector<std::string>& boxes) const {
        FieldStore store;
        ftb::platform::RecordingDialogs dialogs;
        TaxFile file(store, ftb::data::RealFileSystem(), dialogs);
        file.SetKeySource(kKey);
        file.Read(path_);
        for (const auto& shown : dialogs.shown) boxes.push_back(shown.text);
        return store;
    }

    QTemporaryDir temp_;
    std::string path_;
};

// The plain header and one short-text record.
std::string Plain(const std::string& records) {
    std::string header(ftb::data::kFileSignature);
    header.append(12, '\0');  // screen group, index, no history
    return header + records;
}
std::string ShortText(int tag, const std::string& text) {
    std::string record;
    for (int s = 0; s < 32; s += 8) record += static_cast<char>(tag >> s);
    record += static_cast<char>(ftb::data::fkShortText);
    record += static_cast<char>(text.size());
    return record + text;
}

TEST_F(HostRunTest, HostThatLeavesWithExitAfterTheReleaseEndsCleanly) {
    WriteEnciphered(Plain(ShortText(1, kKey) + ShortText(5, "abc")));
    const THostRun run = Host(kKey, 8001, "exit");
    EXPECT_FALSE(run.crashed) << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("exit screen 8001\nfree 1\n"), std::string::npos) << run.output;
}

TEST_F(HostRunTest, DamagedReturnSurvivesTwoRunsAsBad) {
    // A record with tag 0 ends the reading after field 5.
    WriteEnciphered(Plain(ShortText(1, kKey) + ShortText(5, "abc") + ShortText(0, "x") +
                          ShortText(12, "lost")));
    const std::string damaged = Contents(path_);
    const THostRun first = Host(kKey, 8001);
    EXPECT_NE(first.output.find("box Error: Error reading file, field tag = 0 last tag = 5\n"
                                "The file \"" + path_ + "\" was kept unchanged as \"" +
                                Path("R.BAD") + "\"."),
              std::string::npos)
        << first.output;
    const THostRun second = Host(kKey, 8001);
    EXPECT_EQ(second.output.find("box "), std::string::npos) << second.output;
    EXPECT_EQ(Contents(Path("R.BAD")), damaged);
    EXPECT_EQ(Files(), (std::set<std::string>{"R.TAX", "R.BAK", "R.BAD"}));
}

TEST_F(HostRunTest, MistypedKeyLeavesTheReturnAsItWas) {
    WriteEnciphered(Plain(ShortText(1, kKey) + ShortText(5, "abc")));
    const std::string original = Contents(path_);
    const THostRun wrong = Host("111", 8001);
    EXPECT_NE(wrong.output.find("box Error: Unable to open file - " + path_), std::string::npos)
        << wrong.output;
    EXPECT_NE(wrong.output.find("free 1"), std::string::npos) << wrong.output;
    EXPECT_EQ(Contents(path_), original);
    EXPECT_EQ(Files(), std::set<std::string>{"R.TAX"});

    const THostRun right = Host(kKey, 8001);
    EXPECT_EQ(right.output.find("box "), std::string::npos) << right.output;
    std::vector<std::string> boxes;
    EXPECT_EQ(ReadBack(boxes).GetFieldStr(5), "abc");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(HostRunTest, KeyThatOpenedTheReturnOpensItAfterTheRun) {
    const struct {
        const char* name;
        std::string records;
    } cases[] = {{"no field 1", ShortText(5, "abc")},
                 {"field 1 with other digits", ShortText(1, "999") + ShortText(5, "abc")}};
    for (const auto& c : cases) {
        WriteEnciphered(Plain(c.records));
        for (int run = 0; run < 2; ++run) {
            const THostRun host = Host(kKey, 8001);
            EXPECT_EQ(host.output.find("box "), std::string::npos) << c.name << host.output;
        }
        std::vector<std::string> boxes;
        EXPECT_EQ(ReadBack(boxes).GetFieldStr(5), "abc") << c.name;
        EXPECT_TRUE(boxes.empty()) << c.name;
    }
}

}  // namespace
