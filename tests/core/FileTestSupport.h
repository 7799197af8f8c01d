#pragma once
#include <gtest/gtest.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "files/Cp932.h"

namespace zoriduvo::test {

constexpr uid_t kNobody = 65534;

// Runs the check as the unprivileged user (in a child when we are root) and gives its result:
// 0 for success, otherwise the check's own code; 100 and up when the child could not be made.
inline int RunUnprivileged(const std::function<int()>& check) {
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child < 0) return 100;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(101);
        if (::geteuid() == 0) ::_exit(102);
        ::_exit(check());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return 103;
    return WEXITSTATUS(status);
}

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zoriduvo-files-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     error);
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::string TestData(const std::string& relative) { return ReadBytes(std::string(ZORIDUVO_TEST_DATA) + "/" + relative); }

// True when the program is on the PATH: the tests that run other programs' readers skip without it.
inline bool Installed(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; its exit status and what it printed.
inline std::pair<int, std::string> RunShell(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return {-1, output};
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    return {::pclose(pipe), output};
}

// UTF-8 test text in code page 932, as the files hold it.
inline std::string Sjis(const std::string& utf8) {
    auto bytes = Utf8ToCp932(utf8);
    if (!bytes) throw std::runtime_error("test text not in code page 932");
    return *bytes;
}

// SOURCE_DATE_EPOCH for the lifetime of the guard.
class SourceDateGuard {
public:
    explicit SourceDateGuard(const char* seconds) {
        if (const char* old = std::getenv("SOURCE_DATE_EPOCH")) old_ = old;
        ::setenv("SOURCE_DATE_EPOCH", seconds, 1);
    }
    ~SourceDateGuard() {
        if (old_) ::setenv("SOURCE_DATE_EPOCH", old_->c_str(), 1);
        else ::unsetenv("SOURCE_DATE_EPOCH");
    }

private:
    std::optional<std::string> old_;
};

// While it lives, files cannot grow past a few bytes: write() fails part-way as on a full disk.
class FileSizeLimit {
public:
    FileSizeLimit() {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved_;
        small.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previous_);
    }

private:
    struct rlimit saved_ {};
    void (*previous_)(int) = nullptr;
};

}  // namespace zoriduvo::test
