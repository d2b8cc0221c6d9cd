// Saves stopped at any instant. A helper process saves a large return over an existing one and
// is killed (SIGKILL) at a random instant of its save, again and again. After every kill the
// return reads whole as the previous or the new answers, no plain work file is left where
// others could read it, and the next read removes what the stopped save left and finds the
// backup whole. The instants are drawn from a seed that is printed; FTB_KILL_SEED replays it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "data/FileCipher.h"
#include "data/MemoryFileSystem.h"
#include "data/TaxFile.h"
#include "platform/RecordingDialogs.h"
#include "tests/data/support/LargeReturn.h"

extern char** environ;

namespace ftb::data {
namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testing::FillLargeReturn;
using testing::kLargeReturnKey;
using testing::LargeReturnPosition;

constexpr int kKills = 200;
constexpr int kCalibrationRuns = 3;
// Kills are spread over the save and a little beyond it, so some find it finished.
constexpr double kKillSpan = 1.15;

std::string Contents(const stdfs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Writes a return as a save leaves it: readable by its owner only. (A save that is stopped
// between giving the return a second name and renaming that name to the backup leaves the
// second name, which has the return's mode.)
void SetContents(const stdfs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    stdfs::permissions(path, stdfs::perms::owner_read | stdfs::perms::owner_write);
}

// The plain form of a store as a save writes it: the complete record of its answers.
std::string PlainOf(const FieldStore& store, const ScreenPosition& position) {
    MemoryFileSystem memory;
    WritePlain(store, position, *memory.Create("plain"));
    return *memory.Contents("plain");
}

std::string PlainOfVariant(char variant) {
    FieldStore store;
    FillLargeReturn(store, variant);
    store.SetFieldStr(1300, "EI");  // as every save sets it
    return PlainOf(store, LargeReturnPosition());
}

// The plain bytes of an enciphered file, deciphered in memory (no plain data on disk).
std::string Deciphered(const std::string& enciphered) {
    MemoryFileSystem memory;
    memory.SetContents("in", enciphered);
    DecryptStream(*memory.OpenRead("in"), *memory.Create("out"), MakeFileKey(kLargeReturnKey),
                  "out");
    return *memory.Contents("out");
}

// The helper saving the large return `variant` over `path`, its standard output a pipe.
class Saver {
  public:
    Saver(const std::string& path, char variant) {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) return;
        ready_ = out[0];
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        const std::string variantText(1, variant);
        char* argv[] = {const_cast<char*>(FTB_SAVE_LARGE_RETURN), const_cast<char*>(path.c_str()),
                        const_cast<char*>(variantText.c_str()), nullptr};
        if (::posix_spawn(&pid_, FTB_SAVE_LARGE_RETURN, &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
    }
    ~Saver() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (ready_ >= 0) ::close(ready_);
    }
    Saver(const Saver&) = delete;
    Saver& operator=(const Saver&) = delete;

    // Waits until the helper begins its save; false when it ended without beginning one.
    bool WaitUntilSaving() {
        char marker = 0;
        return pid_ > 0 && ::read(ready_, &marker, 1) == 1;
    }
    void Kill() { ::kill(pid_, SIGKILL); }
    // The helper's wait status once it has ended.
    int Wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

  private:
    pid_t pid_ = -1;
    int ready_ = -1;
};

class SaveKillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (stdfs::temp_directory_path() / "savekill-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        returns_ = root_ / "returns";
        work_ = root_ / "work";
        stdfs::create_directory(returns_);
        stdfs::create_directory(work_);
        const char* tmp = std::getenv("TMPDIR");
        if (tmp != nullptr) savedTmp_ = tmp;
        hadTmp_ = tmp != nullptr;
        // The helper and this test make their private work folders here, where they are seen.
        ::setenv("TMPDIR", work_.c_str(), 1);
        path_ = (returns_ / "R.TAX").string();
    }
    void TearDown() override {
        if (hadTmp_)
            ::setenv("TMPDIR", savedTmp_.c_str(), 1);
        else
            ::unsetenv("TMPDIR");
        stdfs::remove_all(root_);
    }

    // Runs the helper to the end; the time from the beginning of its save to its exit.
    Clock::duration SaveWhole(char variant) {
        Saver saver(path_, variant);
        EXPECT_TRUE(saver.WaitUntilSaving());
        const auto start = Clock::now();
        const int status = saver.Wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        return Clock::now() - start;
    }

    static std::vector<stdfs::path> Entries(const stdfs::path& folder) {
        std::vector<stdfs::path> names;
        for (const auto& entry : stdfs::directory_iterator(folder)) names.push_back(entry.path());
        return names;
    }

    // The private work folders: what the work folder holds but the user's lock file.
    std::vector<stdfs::path> WorkFolders() const {
        std::vector<stdfs::path> folders = Entries(work_);
        const std::string lockFile = "ftb-" + std::to_string(::geteuid()) + ".lock";
        folders.erase(std::remove(folders.begin(), folders.end(), work_ / lockFile), folders.end());
        return folders;
    }

    stdfs::path root_, returns_, work_;
    std::string path_;
    std::string savedTmp_;
    bool hadTmp_ = false;
};

// Mode bits of a file or folder as it is on disk.
unsigned ModeOf(const stdfs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST_F(SaveKillTest, KilledSavesLeaveTheOldOrTheNewReturnAndTheNextReadCleansUp) {
    const std::string olderPlain = PlainOfVariant('a');
    const std::string oldPlain = PlainOfVariant('b');
    const std::string newPlain = PlainOfVariant('c');
    ASSERT_GT(newPlain.size(), 1'000'000u);  // large enough that a save takes a while

    // The return before every save: "b" in R.TAX with "a" as its backup.
    SaveWhole('a');
    SaveWhole('b');
    const std::string olderBytes = Contents(returns_ / "R.BAK");
    const std::string oldBytes = Contents(path_);
    ASSERT_EQ(Deciphered(olderBytes), olderPlain);
    ASSERT_EQ(Deciphered(oldBytes), oldPlain);
    // New files: a stopped save may have left the two names on one file.
    const auto restore = [&] {
        for (const stdfs::path& name : {stdfs::path(path_), returns_ / "R.BAK"})
            stdfs::remove(name);
        SetContents(path_, oldBytes);
        SetContents(returns_ / "R.BAK", olderBytes);
    };
    // The middle one of a few whole saves is how long a save takes.
    std::vector<Clock::duration> saveTimes;
    for (int run = 0; run < kCalibrationRuns; ++run) {
        restore();
        saveTimes.push_back(SaveWhole('c'));
    }
    std::sort(saveTimes.begin(), saveTimes.end());
    const Clock::duration saveTime = saveTimes[saveTimes.size() / 2];
    ASSERT_EQ(Deciphered(Contents(path_)), newPlain);

    const char* given = std::getenv("FTB_KILL_SEED");
    const unsigned seed = given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                                           : std::random_device{}();
    std::cout << "Kill seed " << seed << " (FTB_KILL_SEED=" << seed << " replays it); a save takes "
              << std::chrono::duration_cast<std::chrono::milliseconds>(saveTime).count() << " ms\n";
    std::mt19937 random(seed);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * kKillSpan);
    std::uniform_int_distribution<long long> instant(0, span.count());

    int oldCount = 0, newCount = 0, finished = 0, foldersLeft = 0, workLeft = 0,
        temporariesLeft = 0;
    const auto start = Clock::now();
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + " of seed " + std::to_string(seed));
        restore();
        const auto delay = std::chrono::microseconds(instant(random));
        {
            Saver saver(path_, 'c');
            ASSERT_TRUE(saver.WaitUntilSaving());
            std::this_thread::sleep_for(delay);
            saver.Kill();
            const int status = saver.Wait();
            if (WIFEXITED(status)) {
                ASSERT_EQ(WEXITSTATUS(status), 0);
                ++finished;
            }
        }

        // No plain work data readable by others: work files only in private folders (0700)
        // and only readable by their owner; nothing plain beside the return.
        bool leftSomething = false;
        for (const stdfs::path& folder : WorkFolders()) {
            ASSERT_TRUE(stdfs::is_directory(stdfs::symlink_status(folder))) << folder;
            EXPECT_EQ(ModeOf(folder), 0700u) << folder;
            ++foldersLeft;
            for (const stdfs::path& file : Entries(folder)) {
                EXPECT_EQ(file.filename(), "R.SEC");
                EXPECT_EQ(ModeOf(file), 0600u) << file;
                ++workLeft;
            }
        }
        for (const stdfs::path& file : Entries(returns_)) {
            const std::string name = file.filename().string();
            if (name == "R.TAX" || name == "R.BAK") continue;
            EXPECT_EQ(name.rfind(".~ftb", 0), 0u) << name;
            EXPECT_EQ(ModeOf(file), 0600u) << name;
            leftSomething = true;
        }
        temporariesLeft += leftSomething ? 1 : 0;

        // The next read finds the old or the new answers, whole, and removes the left-overs.
        FieldStore store;
        platform::RecordingDialogs dialogs;
        TaxFile file(store, RealFileSystem(), dialogs);
        file.SetKeySource(kLargeReturnKey);
        file.Read(path_);
        ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
        const std::string read =
            PlainOf(store, {file.ScreenGroup(), file.ScreenIndex(), file.History()});
        const bool isNew = read == newPlain;
        ASSERT_TRUE(isNew || read == oldPlain) << "the return is neither the old nor the new one";
        ++(isNew ? newCount : oldCount);
        EXPECT_TRUE(WorkFolders().empty());
        std::vector<std::string> names;
        for (const stdfs::path& entry : Entries(returns_)) names.push_back(entry.filename());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"R.BAK", "R.TAX"}));
        // The backup is whole: the bytes of the one before, or of the old return once the save
        // kept it (both were checked to decipher to their answers).
        const std::string backup = Contents(returns_ / "R.BAK");
        if (isNew)
            EXPECT_TRUE(backup == oldBytes) << "a new return needs the old one as its backup";
        else
            EXPECT_TRUE(backup == olderBytes || backup == oldBytes);
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count() /
        1000.0;
    std::cout << kKills << " kills in " << seconds << " s: the old return " << oldCount
              << " times, the new one " << newCount << " times (" << finished
              << " saves had finished); left behind: " << foldersLeft << " work folders with "
              << workLeft << " work files in them, " << temporariesLeft << " times temporaries\n";
    // The instants covered the save: both outcomes and stops in the middle were seen.
    EXPECT_GT(oldCount, 0);
    EXPECT_GT(newCount, 0);
    EXPECT_GT(workLeft + temporariesLeft, 0);
}

}  // namespace
}  // namespace ftb::data
