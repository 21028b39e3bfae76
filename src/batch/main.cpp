// quorin-batch: sizes saved vortex case files and averaging-tube data files
// without a window.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "batch/Batch.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A reader that goes away makes the write to standard output fail, which
    // is reported, instead of ending the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quorin::runBatch(args, std::cout, std::cerr);
}
