#include "tools/ftbfile/ReadOnlyAlias.h"

#include "data/Errors.h"

namespace ftb::ftbfile {

ReadOnlyAlias::ReadOnlyAlias(data::FileSystem& real, std::string file, std::string alias)
    : real_(real), file_(std::move(file)), alias_(std::move(alias)) {}

std::unique_ptr<data::File> ReadOnlyAlias::OpenRead(const std::string& path) {
    return real_.OpenRead(IsAlias(path) ? file_ : path);
}

std::unique_ptr<data::File> ReadOnlyAlias::Create(const std::string& path, unsigned mode) {
    if (IsAlias(path)) throw EFileOpenError("The file \"" + file_ + "\" is only read");
    return real_.Create(path, mode);
}

bool ReadOnlyAlias::Exists(const std::string& path) {
    return real_.Exists(IsAlias(path) ? file_ : path);
}

bool ReadOnlyAlias::Rename(const std::string& from, const std::string& to) {
    return !IsAlias(from) && !IsAlias(to) && real_.Rename(from, to);
}

bool ReadOnlyAlias::Remove(const std::string& path) { return !IsAlias(path) && real_.Remove(path); }

bool ReadOnlyAlias::Link(const std::string& from, const std::string& to) {
    return !IsAlias(from) && !IsAlias(to) && real_.Link(from, to);
}

bool ReadOnlyAlias::SyncDirectory(const std::string& path) { return real_.SyncDirectory(path); }

}  // namespace ftb::ftbfile
