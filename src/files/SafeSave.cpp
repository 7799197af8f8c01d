#include "files/SafeSave.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "files/FileMessages.h"
#include "files/FilePaths.h"

namespace zoriduvo {

namespace {

std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return TextOf(FileText::NoPermission);
    case EROFS: return TextOf(FileText::ReadOnly);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return TextOf(FileText::DiskFull);
    case ENOENT:
    case ENOTDIR: return TextOf(FileText::NoFolder);
    case EISDIR: return TextOf(FileText::FolderInTheWay);
    case ELOOP: return TextOf(FileText::LinkLoop);
    case ENAMETOOLONG: return TextOf(FileText::NameTooLong);
    case ENOMEM: return TextOf(FileText::OutOfMemory);
    default: break;
    }
    // The system's own texts are English: the message keeps to our words and the number.
    const std::string what = error == EIO ? TextOf(FileText::InputOutputError)
                                          : TextOf(FileText::ErrorNumber, {std::to_string(error)});
    return TextOf(FileText::WriteError, {what});
}

// The file a save replaces: the end of a chain of links, so that each link stays a link, even one
// whose file does not exist yet. A relative link is taken from the link's folder as the system
// takes it, never simplified by its text.
std::filesystem::path Target(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target = path;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// While a save runs, a file-size limit makes write() fail (and the save say so) instead of
// killing the program by SIGXFSZ with its temporary file left behind.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() : previous_(::signal(SIGXFSZ, SIG_IGN)) {}
    ~FileSizeSignalIgnored() { ::signal(SIGXFSZ, previous_); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    void (*previous_)(int);
};

// Our temporaries carry this between the target's name and mkstemp's six letters, so that no file
// of the user's own (".data.vo.backup") is taken for one.
constexpr std::string_view kTemporaryMark = ".zoriduvo-save-";
// A temporary younger than this may belong to a save that is running now.
constexpr time_t kStaleSeconds = 24 * 60 * 60;

// The target's name cut so that its temporary (".name" + mark + "XXXXXX") and the old file's second
// name (+ ".old") stay within the length a folder allows, at a character's start.
std::string TemporaryName(const std::filesystem::path& target) {
    constexpr std::size_t kRoom = NAME_MAX - 1 - kTemporaryMark.size() - std::string_view("XXXXXX.old").size();
    std::string name = target.filename().string();
    if (name.size() > kRoom) {
        std::size_t cut = kRoom;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    return "." + name + std::string(kTemporaryMark) + "XXXXXX";
}

// mkstemp's six letters, and ".old" after them for an old file's second name.
bool TemporaryTail(std::string_view tail) {
    if (tail.size() == 10 && tail.ends_with(".old")) tail.remove_suffix(4);
    return tail.size() == 6 && std::all_of(tail.begin(), tail.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Temporaries of ours for this target that an earlier save left behind (killed, or the machine
// stopped): our pattern exactly, regular files of ours, and old enough that no running save
// still writes them.
void RemoveStaleTemporaries(const std::filesystem::path& folder, const std::string& pattern) {
    const std::string stem = pattern.substr(0, pattern.size() - 6);
    const time_t now = ::time(nullptr);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(stem) || !TemporaryTail(std::string_view(name).substr(stem.size()))) continue;
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            now - info.st_mtime > kStaleSeconds)
            ::unlink(entry.path().c_str());
    }
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
    bool privateFile = false;
    std::filesystem::path target;
    bool existed = false;
    struct stat old {};  // of the target, when it existed
    int statError = 0;
    bool inPlace = false;
    std::string temporary;
    std::string kept;
};

Pending Prepare(std::string_view path, std::string_view bytes, bool privateFile = false) {
    Pending p;
    p.path = path;
    p.bytes = bytes;
    p.privateFile = privateFile;
    p.target = Target(std::string(path));
    p.existed = ::stat(p.target.c_str(), &p.old) == 0;
    p.statError = p.existed ? 0 : errno;
    return p;
}

// errno of the first step that failed; 0 when the temporary is written, flushed and closed.
int WriteTemporary(Pending& p) {
    const std::filesystem::path folder = p.target.has_parent_path() ? p.target.parent_path() : ".";
    const std::string pattern = TemporaryName(p.target);
    RemoveStaleTemporaries(folder, pattern);
    std::string temporary = (folder / pattern).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return errno;
    p.temporary = temporary;

    int error = 0;
    if (!WriteAll(fd, p.bytes)) error = errno;
    // Owner and group as far as the user may give them (a group of the user's own, any as root);
    // before the mode, which a change of owner may clear the set-id bits of.
    if (!error && p.existed && ::fchown(fd, p.old.st_uid, p.old.st_gid) != 0) (void)!::fchown(fd, -1, p.old.st_gid);
    const mode_t mode = p.privateFile ? 0600 : p.existed ? p.old.st_mode & 07777 : NewFileMode();
    if (!error && ::fchmod(fd, mode) != 0) error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    return error;
}

// EFBIG when the file-size limit is below size, else 0.
int WithinSizeLimit(std::size_t size) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 0;
    return size > limit.rlim_cur ? EFBIG : 0;
}

// errno of the first step that failed. The room for the new bytes is taken before the first old
// byte changes, so a full disk or a size limit leaves the old file as it was (*damaged stays
// false); only a fault of the device itself afterwards can damage it.
int WriteInPlace(const Pending& p, bool* damaged) {
    *damaged = false;
    if (const int error = WithinSizeLimit(p.bytes.size())) return error;
    const int fd = ::open(p.target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = p.bytes.empty() ? 0 : ::posix_fallocate(fd, 0, static_cast<off_t>(p.bytes.size()));
    // A file system that keeps no room in advance (EOPNOTSUPP) leaves only the write to try.
    if (error == EOPNOTSUPP || error == EINVAL) error = 0;
    if (!error) {
        *damaged = true;
        if (!WriteAll(fd, p.bytes)) error = errno;
        if (!error && ::ftruncate(fd, static_cast<off_t>(p.bytes.size())) != 0) error = errno;
        if (!error && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    }
    if (::close(fd) != 0 && !error) error = errno;
    return error;
}

// The temporary file of p, or, where the folder refuses new files, the promise to write in place.
int WriteTemporaryOrPlan(Pending& p) {
    // A rename would take the file's other names away from it: those keep the old bytes.
    if (p.existed && p.old.st_nlink > 1) {
        p.inPlace = true;
        return 0;
    }
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
        p.temporary.clear();
        p.kept.clear();
    }
}

// Whatever way a save leaves (an allocation that fails included), no file of its own stays behind.
class LeftoversRemoved {
public:
    explicit LeftoversRemoved(std::vector<Pending>& files) : files_(files) {}
    ~LeftoversRemoved() { RemoveLeftovers(files_); }
    LeftoversRemoved(const LeftoversRemoved&) = delete;
    LeftoversRemoved& operator=(const LeftoversRemoved&) = delete;

private:
    std::vector<Pending>& files_;
};

// Why the target cannot take the save at all, before anything is written; empty when it can.
std::string Refusal(const Pending& p) {
    if (p.statError == ELOOP || p.statError == ENAMETOOLONG) return Reason(p.statError);
    if (!p.existed) return {};
    if (S_ISDIR(p.old.st_mode)) return Reason(EISDIR);
    // A device or a pipe would be replaced by a file: it stays as it is.
    if (!S_ISREG(p.old.st_mode)) return TextOf(FileText::NotRegularFile);
    // A file the user may not write is not replaced behind its back by a rename in its folder.
    if (!Writable(p.target)) {
        // The folder may take files well: it is this file that the user may not write.
        const int error = errno;
        return error == EACCES || error == EPERM ? TextOf(FileText::FileNotWritable) : Reason(error);
    }
    return {};
}

std::optional<FileProblem> SaveAll(std::vector<Pending> files) {
    const FileSizeSignalIgnored signalIgnored;
    const LeftoversRemoved leftoversRemoved(files);
    bool anyExisted = false;
    for (const Pending& p : files) anyExisted = anyExisted || p.existed;
    auto refused = [&](std::size_t i, const std::string& reason, FileText afterwards = FileText::OldFileKept) {
        RemoveLeftovers(files);
        std::string detail = reason;
        if (anyExisted) detail += "\n" + TextOf(afterwards);
        return FileProblem{FileError::CannotWrite, 0, 0, FileNameOf(files[i].path), detail};
    };
    auto failure = [&](std::size_t i, int error, FileText afterwards = FileText::OldFileKept) {
        return refused(i, Reason(error), afterwards);
    };

    for (std::size_t i = 0; i < files.size(); ++i)
        if (const std::string reason = Refusal(files[i]); !reason.empty()) return refused(i, reason);
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
        bool damaged = false;
        if (const int error = WriteInPlace(files[i], &damaged)) {
            PutBack(files, renames);
            return failure(i, error, damaged ? FileText::InPlaceWriteFailed : FileText::OldFileKept);
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
    for (const OutputFile& file : files) pending.push_back(Prepare(file.path, file.bytes, file.privateFile));
    return SaveAll(std::move(pending));
}

}  // namespace zoriduvo
