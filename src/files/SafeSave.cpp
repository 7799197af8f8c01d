#include "files/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>

#include "files/FileMessages.h"
#include "files/FilePaths.h"

namespace zoriduvo {

namespace {

std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return FileTextOf(FileText::NoPermission);
    case EROFS: return FileTextOf(FileText::ReadOnly);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileTextOf(FileText::DiskFull);
    case ENOENT:
    case ENOTDIR: return FileTextOf(FileText::NoFolder);
    case EISDIR: return FileTextOf(FileText::FolderInTheWay);
    default: return FileTextOf(FileText::WriteError, {std::strerror(error)});
    }
}

// The file a save replaces: a link's target, so that the link stays a link.
std::filesystem::path Target(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const auto resolved = std::filesystem::canonical(path, error);
        if (!error) return resolved;
    }
    return path;
}

mode_t ModeFor(const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The target's name cut so that its temporary (".name.XXXXXX") and the old file's second name (+ ".old")
// stay within the length a folder allows, at a character's start.
std::string TemporaryName(const std::filesystem::path& target) {
    constexpr std::size_t kRoom = NAME_MAX - std::string_view("..XXXXXX.old").size();
    std::string name = target.filename().string();
    if (name.size() > kRoom) {
        std::size_t cut = kRoom;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    return "." + name + ".XXXXXX";
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// One file on its way: its temporary is written first; while later files are renamed, the old
// file keeps a second name so that a failed rename can put it back. In a folder that takes no new
// file, a file that may be written is written in place instead, after everything else.
struct Pending {
    std::string_view path;
    std::string_view bytes;
    std::filesystem::path target;
    bool existed = false;
    bool inPlace = false;
    std::string temporary;
    std::string kept;
};

Pending Prepare(std::string_view path, std::string_view bytes) {
    Pending p;
    p.path = path;
    p.bytes = bytes;
    p.target = Target(std::string(path));
    p.existed = ::access(p.target.c_str(), F_OK) == 0;
    return p;
}

// errno of the first step that failed; 0 when the temporary is written, flushed and closed.
int WriteTemporary(Pending& p) {
    const std::filesystem::path folder = p.target.has_parent_path() ? p.target.parent_path() : ".";
    std::string temporary = (folder / TemporaryName(p.target)).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return errno;
    p.temporary = temporary;

    int error = 0;
    if (!WriteAll(fd, p.bytes)) error = errno;
    if (!error && ::fchmod(fd, ModeFor(p.target)) != 0) error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    return error;
}

// errno of the first step that failed; the old file's bytes are gone once this has begun.
int WriteInPlace(const Pending& p) {
    const int fd = ::open(p.target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    if (!WriteAll(fd, p.bytes)) error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    return error;
}

// The temporary file of p, or, where the folder refuses new files, the promise to write in place.
int WriteTemporaryOrPlan(Pending& p) {
    const int error = WriteTemporary(p);
    if ((error == EACCES || error == EPERM) && p.existed) {
        p.inPlace = true;
        return 0;
    }
    return error;
}

bool Writable(const std::filesystem::path& target) {
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

int KeepOldFile(Pending& p) {
    std::string kept = p.temporary + ".old";
    if (::link(p.target.c_str(), kept.c_str()) != 0) return errno;
    p.kept = std::move(kept);
    return 0;
}

// The files before failed are replaced already: their old files come back, new ones go.
void PutBack(std::vector<Pending>& files, std::size_t failed) {
    for (std::size_t i = 0; i < failed; ++i) {
        Pending& p = files[i];
        if (p.kept.empty()) ::unlink(p.target.c_str());
        else if (::rename(p.kept.c_str(), p.target.c_str()) == 0) p.kept.clear();
    }
}

void RemoveLeftovers(std::vector<Pending>& files) {
    for (Pending& p : files) {
        if (!p.temporary.empty()) ::unlink(p.temporary.c_str());
        if (!p.kept.empty()) ::unlink(p.kept.c_str());
    }
}

std::optional<FileProblem> SaveAll(std::vector<Pending> files) {
    bool anyExisted = false;
    for (const Pending& p : files) anyExisted = anyExisted || p.existed;
    auto failure = [&](std::size_t i, int error, FileText afterwards = FileText::OldFileKept) {
        RemoveLeftovers(files);
        std::string detail = Reason(error);
        if (anyExisted) detail += "\n" + FileTextOf(afterwards);
        return FileProblem{FileError::CannotWrite, 0, 0, FileNameOf(files[i].path), detail};
    };

    // A file the user may not write is not replaced behind its back by a rename in its folder.
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i].existed && !Writable(files[i].target)) return failure(i, errno);
    for (std::size_t i = 0; i < files.size(); ++i)
        if (const int error = WriteTemporaryOrPlan(files[i])) return failure(i, error);
    // Writes in place come last: they cannot be undone, the renames before them can.
    const auto inPlace = std::stable_partition(files.begin(), files.end(), [](const Pending& p) { return !p.inPlace; });
    const auto renames = static_cast<std::size_t>(inPlace - files.begin());
    // The last file needs no way back: nothing comes after it that could fail.
    for (std::size_t i = 0; i + 1 < files.size() && i < renames; ++i)
        if (files[i].existed)
            if (const int error = KeepOldFile(files[i])) return failure(i, error);
    for (std::size_t i = 0; i < renames; ++i) {
        if (::rename(files[i].temporary.c_str(), files[i].target.c_str()) != 0) {
            const int error = errno;
            PutBack(files, i);
            return failure(i, error);
        }
        files[i].temporary.clear();
    }
    for (std::size_t i = renames; i < files.size(); ++i) {
        if (const int error = WriteInPlace(files[i])) {
            PutBack(files, renames);
            return failure(i, error, FileText::InPlaceWriteFailed);
        }
    }
    RemoveLeftovers(files);
    return std::nullopt;
}

}  // namespace

std::optional<FileProblem> SaveFileSafely(const std::string& path, std::string_view bytes) {
    return SaveAll({Prepare(path, bytes)});
}

std::optional<FileProblem> SaveFilesSafely(const std::vector<OutputFile>& files) {
    std::vector<Pending> pending;
    pending.reserve(files.size());
    for (const OutputFile& file : files) pending.push_back(Prepare(file.path, file.bytes));
    return SaveAll(std::move(pending));
}

}  // namespace zoriduvo
