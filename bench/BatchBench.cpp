// Throughput of the batch sizer: writes N gas/steam case files (10,000 by
// default) that differ in flow, pipe, pressure, temperature and medium, runs
// `quorin-batch gas --dir` on them as a separate process, and reports cases
// per second of wall time: once into an empty folder, then once more over
// the N reports the first run wrote (each an existing report replaced). The
// files go to a new folder under DIR (the system's temporary folder by
// default; /dev/shm keeps the disk out of the figure). The first run's
// reports are synced to the disk before the second, as those of an earlier
// day are.
//
//   batch_bench [N [DIR]]
#include <sys/wait.h>
#include <unistd.h>
#include <spawn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core.h"

extern char** environ;

int main(int argc, char** argv) {
    using namespace quorin;
    namespace fs = std::filesystem;
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const fs::path dir = base / ("quorin-batch-bench-" + std::to_string(getpid()));
    fs::create_directories(dir / "out");

    const char* media[] = {"AIR", "NITROGEN", "STEAM (SATURATED)", "METHANE", "CARBON DIOXIDE"};
    const float pipes[] = {0.5f, 1.049f, 2.067f, 4.026f, 6.065f, 10.02f};
    std::vector<std::string> args = {QUORIN_BATCH, "gas", "--dir", (dir / "out").string()};
    for (int k = 0; k < count; ++k) {
        shared() = SharedState{};
        loadGasDefaults();
        auto& S = shared();
        S.MediaIn = media[k % 5];
        S.PipeSizeIn = pipes[k % 6];
        S.FlowRateIn = float(5 + (k * 37) % 3000);
        S.PressIn = float((k * 13) % 300);
        S.TempIn = float(40 + (k * 7) % 500);
        // Steam above its saturation temperature, as a real case is.
        if (S.MediaIn == "STEAM (SATURATED)")
            S.TempIn = saturationTempF(S.PressIn + 14.696f) + float(k % 50);
        const fs::path file = dir / ("case" + std::to_string(k) + ".dat");
        std::ofstream(file, std::ios::binary) << gasCaseFileBytes();
        args.push_back(file.string());
    }

    std::vector<char*> argvChild;
    for (std::string& a : args) argvChild.push_back(a.data());
    argvChild.push_back(nullptr);
    // One run of the command: its exit status, or -1 when it did not start.
    auto run = [&](const char* what) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid;
        if (posix_spawn(&pid, QUORIN_BATCH, nullptr, nullptr, argvChild.data(), environ) != 0) {
            std::perror("quorin-batch");
            return -1;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const auto written = std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator{});
        std::printf("%d gas cases sized %s in %.3f s: %.0f cases per second (exit %d, %ld results files)\n",
                    count, what, seconds, count / seconds, WEXITSTATUS(status), long(written));
        return WEXITSTATUS(status);
    };
    int status = run("into an empty folder");
    // The reports to replace are on the disk, as those of an earlier day are.
    ::sync();
    if (status == 0) status = run("replacing as many existing reports");
    fs::remove_all(dir);
    return status == 0 ? 0 : 1;
}
