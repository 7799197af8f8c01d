#include "files/FilePaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "files/FileMessages.h"
#include "sheet/LargePages.h"

namespace zoriduvo {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The rest of a regular file into bytes, in one piece of its size; what its size does not tell (a
// file of /proc, a file that grew meanwhile) as it comes. errno of a failed read, else 0.
int ReadAll(int fd, std::size_t size, std::string& bytes) {
    bytes.reserve(size);
    AskForLargePages(bytes.data(), size);
    bytes.resize(size);
    std::size_t used = 0;
    char chunk[65536];
    for (;;) {
        const bool inPlace = used < bytes.size();
        const ssize_t got =
            inPlace ? ::read(fd, bytes.data() + used, bytes.size() - used) : ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) break;
        if (!inPlace) bytes.append(chunk, static_cast<std::size_t>(got));
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return 0;
}

FileProblem ReadProblem(const std::string& path, int error) {
    FileText reason = FileText::ReadError;
    switch (error) {
    case ENOENT:
    case ENOTDIR: return FileProblem{FileError::FileMissing, 0, 0, FileNameOf(path)};
    case EACCES:
    case EPERM: reason = FileText::NoReadPermission; break;
    case ELOOP: reason = FileText::LinkLoop; break;
    case ENAMETOOLONG: reason = FileText::NameTooLong; break;
    case EISDIR: reason = FileText::FolderNotFile; break;
    case ENOMEM: reason = FileText::OutOfMemory; break;
    default: break;
    }
    return FileProblem{FileError::CannotRead, 0, 0, FileNameOf(path), TextOf(reason)};
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return !error && same;
}

std::string AbsolutePath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) return path;
    const fs::path name = absolute.filename();
    // ".." after a link is the link target's folder above, which only the file system knows.
    const bool plainName = !name.empty() && name != "." && name != "..";
    const fs::path resolved = fs::weakly_canonical(plainName ? absolute.parent_path() : absolute, error);
    if (error) return absolute.string();
    return plainName ? (resolved / name).string() : resolved.string();
}

std::optional<FileProblem> ReadFileToOpen(const std::string& path, std::string& bytes, std::uint64_t limit) {
    // Without O_NONBLOCK, opening a pipe that has no writer would wait for one forever.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return ReadProblem(path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return ReadProblem(path, errno);
    if (S_ISDIR(info.st_mode)) return ReadProblem(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        return FileProblem{FileError::CannotRead, 0, 0, FileNameOf(path), TextOf(FileText::NotRegularFile)};
    if (static_cast<std::uint64_t>(info.st_size) > limit)
        return FileProblem{FileError::CannotRead, 0, 0, FileNameOf(path), TextOf(FileText::FileTooLarge)};
    if (const int error = ReadAll(fd.get(), static_cast<std::size_t>(info.st_size), bytes))
        return ReadProblem(path, error);
    if (bytes.empty()) return FileProblem{FileError::FileMissing, 0, 0, FileNameOf(path)};
    return std::nullopt;
}

std::optional<std::int64_t> ModificationTime(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::int64_t>(info.st_mtime);
}

}  // namespace zoriduvo
