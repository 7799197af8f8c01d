// Runs a command and writes its wall time and CPU time (user + system) in seconds and its peak
// resident memory in KiB to FIGURES, from wait4: finer than /usr/bin/time's hundredths, which the
// small sets need.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: runtime FIGURES COMMAND [ARGUMENT...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return 2;
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return 2;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    std::FILE* figures = std::fopen(argv[1], "w");
    if (!figures) return 2;
    std::fprintf(figures, "%.6f %.6f %ld\n", wall, seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss);
    if (std::fclose(figures) != 0) return 2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
