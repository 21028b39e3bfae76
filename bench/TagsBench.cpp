// Throughput of `quorin-batch tags`: writes a tag list of N rows (50,000 by
// default), gas/steam and liquid tags that differ in medium, flow, line,
// pressure, temperature and units, runs `quorin-batch tags IN.csv OUT.csv`
// on it as a separate process (results CSV only) and reports rows per
// second of wall time. It then times the steps in this process, to show
// where the time goes: reading the list, sizing its rows, and writing the
// results CSV. The files go to a new folder under DIR (the system's
// temporary folder by default).
//
//   tags_bench [N [DIR]]
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
#include "tags/TagList.h"

extern char** environ;

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The list: a gas/steam tag in three rows of five, the others liquid.
std::string tagList(int count) {
    std::string csv =
        "Workflow,Tag Number,Media,Flow Rate,Flow Unit,Pipe Size,Pipe Unit,Pressure,Pressure Unit,"
        "Temperature,Temperature Unit,Density,Density Unit,Viscosity,Viscosity Unit,Service\r\n";
    const char* gasMedia[] = {"AIR", "NITROGEN", "STEAM (SATURATED)", "METHANE", "CARBON DIOXIDE"};
    const char* pipes[] = {"1", "2", "3", "4", "6", "8"};
    for (int k = 0; k < count; ++k) {
        const std::string tag = "FT-" + std::to_string(10000 + k);
        if (k % 5 < 3) {
            const std::string medium = gasMedia[k % 5];
            const int psig = 10 + (k * 13) % 290;
            // Steam above its saturation temperature, as a real case is.
            const float degF = medium == "STEAM (SATURATED)"
                                   ? quorin::saturationTempF(float(psig) + 14.696f) + float(k % 50)
                                   : float(40 + (k * 7) % 300);
            csv += "Gas/Steam," + tag + "," + medium + "," + std::to_string(50 + (k * 37) % 3000) +
                   ",ACFM," + pipes[k % 6] + ",INCHES," + std::to_string(psig) + ",PSIG," +
                   std::to_string(degF) + ",deg F,,,,,\"line " + std::to_string(k) + ", gas\"\r\n";
        } else {
            csv += "Liquid," + tag + ",WATER," + std::to_string(5 + (k * 11) % 60) + ",m^3/Hr," +
                   pipes[k % 6] + ",INCHES,,," + std::to_string(10 + k % 70) +
                   ",deg C,998.2,Kg/m^3,1,centipoise,cooling water\r\n";
        }
    }
    return csv;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorin;
    namespace fs = std::filesystem;
    const int count = argc > 1 ? std::atoi(argv[1]) : 50000;
    const fs::path base = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const fs::path dir = base / ("quorin-tags-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string in = (dir / "tags.csv").string();
    const std::string out = (dir / "results.csv").string();
    std::ofstream(in, std::ios::binary) << tagList(count);

    std::vector<std::string> args = {QUORIN_BATCH, "tags", in, out};
    std::vector<char*> argvChild;
    for (std::string& a : args) argvChild.push_back(a.data());
    argvChild.push_back(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, QUORIN_BATCH, nullptr, nullptr, argvChild.data(), environ) != 0) {
        std::perror("quorin-batch");
        return 1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = secondsSince(start);
    std::printf("quorin-batch tags: %d rows in %.3f s: %.0f rows per second (exit %d, %ju bytes written)\n",
                count, seconds, count / seconds, WEXITSTATUS(status), std::uintmax_t(fs::file_size(out)));

    // The same steps in this process, one at a time.
    start = std::chrono::steady_clock::now();
    tags::TagList list;
    if (tags::readTagList(in, list)) return 1;
    const double read = secondsSince(start);
    start = std::chrono::steady_clock::now();
    const std::vector<tags::Result> results = tags::sizeTags(list);
    const double sized = secondsSince(start);
    start = std::chrono::steady_clock::now();
    const std::string csv = tags::resultsCsv(list, results);
    const double written = secondsSince(start);
    std::printf("in process: read %.3f s, sized %.3f s (%.1f us a row), results CSV %.3f s (%zu bytes)\n",
                read, sized, 1e6 * sized / count, written, csv.size());
    fs::remove_all(dir);
    return WEXITSTATUS(status) == 0 ? 0 : 1;
}
