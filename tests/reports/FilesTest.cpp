// Replacing many files with one sync: every file replaced, and an old file
// left whole when its new file cannot be written.
#include <sys/resource.h>

#include <csignal>

#include "support/CoreFixture.h"

namespace quorin::test {
namespace {

using ReplaceBatchTest = CoreTest;

// A file size limit makes the writing of the larger new file fail (EFBIG:
// "Disk full"); the smaller one is still replaced and a new one written.
TEST_F(ReplaceBatchTest, EveryFileIsReplacedButAFailedOneIsLeftWhole) {
    makeDir();
    writeFile(dir / "big.txt", "old big");
    writeFile(dir / "small.txt", "old small");
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 4096;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    ReplaceBatch files;
    const FileError big = files.add((dir / "big.txt").string(), std::string(8192, 'x'));
    files.add((dir / "small.txt").string(), "new small");
    files.add((dir / "new.txt").string(), "new");
    EXPECT_EQ(readFile(dir / "small.txt"), "old small");
    const std::vector<FileError> errors = files.commit();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(big.number, 61);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0].number, 61);
    EXPECT_FALSE(errors[1]);
    EXPECT_FALSE(errors[2]);
    EXPECT_EQ(readFile(dir / "big.txt"), "old big");
    EXPECT_EQ(readFile(dir / "small.txt"), "new small");
    EXPECT_EQ(readFile(dir / "new.txt"), "new");
    Lines names;  // a new file left behind would show
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Lines{"big.txt", "new.txt", "small.txt"}));
}

// Enough old files that their release runs on threads: each holds its new
// text and no new file is left beside them.
TEST_F(ReplaceBatchTest, ManyOldFilesAreAllReplaced) {
    makeDir();
    constexpr int count = 200;
    ReplaceBatch files;
    for (int k = 0; k < count; ++k) {
        writeFile(dir / (std::to_string(k) + ".txt"), "old");
        files.add((dir / (std::to_string(k) + ".txt")).string(), "new " + std::to_string(k));
    }
    const std::vector<FileError> errors = files.commit();
    EXPECT_EQ(std::count_if(errors.begin(), errors.end(), [](const FileError& e) { return bool(e); }), 0);
    int replaced = 0;
    for (int k = 0; k < count; ++k)
        replaced += readFile(dir / (std::to_string(k) + ".txt")) == "new " + std::to_string(k);
    EXPECT_EQ(replaced, count);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), count);
}

}  // namespace
}  // namespace quorin::test
