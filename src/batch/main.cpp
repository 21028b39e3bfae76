// quorin-batch: sizes saved vortex case files and averaging-tube data files
// without a window.
#include <iostream>
#include <string>
#include <vector>

#include "batch/Batch.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quorin::runBatch(args, std::cout, std::cerr);
}
