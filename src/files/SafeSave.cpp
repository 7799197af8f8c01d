#include "files/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "files/FilePaths.h"

namespace zoriduvo {

namespace {

std::string Reason(int error) {
    switch (error) {
    case EACCES:
    case EPERM: return "この場所に書き込む権限がありません。";
    case EROFS: return "保存先は読み取り専用です。";
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "ディスクの空き容量が足りません。";
    case ENOENT:
    case ENOTDIR: return "保存先のフォルダーが見つかりません。";
    case EISDIR: return "同じ名前のフォルダーがあります。";
    default: return std::string("書き込み中にエラーが発生しました（") + std::strerror(error) + "）。";
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

}  // namespace

std::optional<FileProblem> SaveFileSafely(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target = Target(path);
    const bool existed = ::access(target.c_str(), F_OK) == 0;
    auto failure = [&](int error) {
        std::string detail = Reason(error);
        if (existed) detail += "\n元のファイルは変更されていません。";
        return FileProblem{FileError::CannotWrite, 0, 0, FileNameOf(path), detail};
    };

    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string hidden = std::string(1, '.').append(target.filename().string()).append(".XXXXXX");
    std::string temporary = (folder / hidden).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return failure(errno);

    int error = 0;
    if (!WriteAll(fd, bytes)) error = errno;
    if (!error && ::fchmod(fd, ModeFor(target)) != 0) error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    return std::nullopt;
}

}  // namespace zoriduvo
