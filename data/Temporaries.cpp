#include "data/Temporaries.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <string_view>

#include "data/Errors.h"

namespace ftb::data {
namespace {

constexpr char kPrefix[] = ".~ftb";
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomLetters = 6;
constexpr int kMaxTries = 100;
constexpr unsigned kOwnerOnly = 0600;

std::string InDirectory(const std::string& directory, const std::string& name) {
    return directory.empty() ? name : (directory == "/" ? "/" : directory + "/") + name;
}

std::string RandomName() {
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = kPrefix;
    for (std::size_t i = 0; i < kRandomLetters; ++i) name += kLetters[pick(random)];
    return name;
}

bool IsTemporaryName(const std::string& name) {
    const std::size_t prefix = sizeof kPrefix - 1;
    return name.size() == prefix + kRandomLetters && name.compare(0, prefix, kPrefix) == 0 &&
           std::all_of(name.begin() + prefix, name.end(), [](char c) {
               return std::string_view(kLetters).find(c) != std::string_view::npos;
           });
}

}  // namespace

std::string FreeTemporaryName(FileSystem& fs, const std::string& directory) {
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        std::string path = InDirectory(directory, RandomName());
        if (!fs.Exists(path)) return path;
    }
    throw EInOutError("Cannot make a temporary file", ReasonOf(EEXIST));
}

std::unique_ptr<File> CreateTemporary(FileSystem& fs, const std::string& directory,
                                      std::string& path) {
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        path = FreeTemporaryName(fs, directory);
        try {
            auto file = fs.CreateNew(path, kOwnerOnly);
            file->TryLock();
            return file;
        } catch (const EFileOpenError&) {
            // Another file took the name first: try another one.
            if (!fs.Exists(path)) {
                path.clear();
                throw;
            }
        }
    }
    path.clear();
    throw EInOutError("Cannot make a temporary file", ReasonOf(EEXIST));
}

void RemoveAbandonedTemporaries(FileSystem& fs, const std::string& directory) {
    for (const std::string& name : fs.List(directory)) {
        if (!IsTemporaryName(name)) continue;
        const std::string path = InDirectory(directory, name);
        if (fs.ResolveLink(path) != path) continue;
        try {
            const auto file = fs.OpenRead(path);
            if (file->TryLock()) fs.Remove(path);
        } catch (const EFileOpenError&) {
            // Not a file this module made (a folder, a pipe), or one it cannot read: left alone.
        }
    }
}

}  // namespace ftb::data
