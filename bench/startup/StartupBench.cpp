// Starts the program's probe and the bare-window probe in turn, several
// times each, and reports the time from launch to first paint of each:
// the median, the fastest and the slowest, and the ratio of the medians.
// Run it on a display (xvfb-run -a build/bench/startup_bench [runs]).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// One launch; the microseconds the probe reports, or -1 when it failed.
long long launch(const char* program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    const std::string t0 = std::to_string(monotonicNs());
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        setenv("QUORIN_BENCH_T0", t0.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[64];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || out.empty()) return -1;
    return std::atoll(out.c_str());
}

struct Summary {
    double median, fastest, slowest;
};

Summary summarise(std::vector<long long> us) {
    std::sort(us.begin(), us.end());
    const size_t n = us.size();
    const double median = n % 2 ? us[n / 2] : (us[n / 2 - 1] + us[n / 2]) / 2.0;
    return {median / 1000, us.front() / 1000.0, us.back() / 1000.0};
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    if (runs < 1 || !std::getenv("DISPLAY")) {
        std::fprintf(stderr, "usage: xvfb-run -a startup_bench [runs]\n");
        return 2;
    }
    // One launch of each first, not counted: it brings the libraries into the page cache.
    launch(QUORIN_STARTUP_PROBE);
    launch(QUORIN_BARE_PROBE);

    std::vector<long long> program, bare;
    for (int i = 0; i < runs; ++i) {
        for (auto [path, into] : {std::pair{QUORIN_STARTUP_PROBE, &program},
                                  std::pair{QUORIN_BARE_PROBE, &bare}}) {
            const long long us = launch(path);
            if (us < 0) {
                std::fprintf(stderr, "%s did not report a first paint\n", path);
                return 1;
            }
            into->push_back(us);
        }
    }
    const Summary p = summarise(program), b = summarise(bare);
    std::printf("launch to first paint, %d runs each (ms): median  fastest  slowest\n", runs);
    std::printf("  intro screen of the program              %7.1f  %7.1f  %7.1f\n", p.median, p.fastest, p.slowest);
    std::printf("  bare QMainWindow                         %7.1f  %7.1f  %7.1f\n", b.median, b.fastest, b.slowest);
    std::printf("  ratio of the medians                     %7.2f\n", p.median / b.median);
    return 0;
}
