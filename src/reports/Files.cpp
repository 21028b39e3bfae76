#include "reports/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

namespace quorin {

namespace {

namespace fs = std::filesystem;

constexpr int kBadFileName = 52;
constexpr int kFileNotFound = 53;
constexpr int kDiskFull = 61;
constexpr int kTooManyFiles = 67;
constexpr int kDeviceUnavailable = 68;
constexpr int kAccessError = 75;
constexpr int kPathNotFound = 76;
constexpr int kDeviceIo = 57;


const char* describe(int number) {
    switch (number) {
    case 6: return "Overflow";
    case 13: return "Type mismatch";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 54: return "Bad file mode";
    case 57: return "Device I/O error";
    case 61: return "Disk full";
    case 62: return "Input past end of file";
    case 67: return "Too many files";
    case 68: return "Device unavailable";
    case 70: return "Permission denied";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    default: return "";
    }
}

bool badName(const std::string& path) {
    return path.empty() || path.find('\0') != std::string::npos;
}

// The folder a path names its file in ("." for a bare file name).
fs::path folderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The error number of a failed open. A missing file in a folder that
// exists is "file not found", anything missing above it "path not found".
int openErrorNumber(int err, const std::string& path) {
    switch (err) {
    case ENOENT: return isFolder(folderOf(path)) ? kFileNotFound : kPathNotFound;
    case ENOTDIR: return kPathNotFound;
    case ENAMETOOLONG: return kBadFileName;
    case EMFILE:
    case ENFILE: return kTooManyFiles;
    case ENXIO:
    case ENODEV: return kDeviceUnavailable;
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    case EIO: return kDeviceIo;
    default: return kAccessError;  // EACCES, EPERM, EROFS, EISDIR, ELOOP, ...
    }
}

// The error number of a failed read, write or close.
int ioErrorNumber(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case EISDIR:
    case EACCES:
    case EPERM:
    case EROFS: return kAccessError;
    default: return kDeviceIo;
    }
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// A name for the new file beside `target`, hidden and unlikely to be taken;
// the open with O_EXCL makes sure it is new.
fs::path temporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = "." + target.filename().string() + ".tmp-" +
                             std::to_string(::getpid()) + "-" +
                             std::to_string(counter.fetch_add(1)) + "-" +
                             std::to_string(static_cast<unsigned long long>(ticks) % 1000000);
    return folderOf(target) / name;
}

}  // namespace

FileError runtimeError(int number, int line) {
    return FileError{number, describe(number), line};
}

FileError readWholeFile(const std::string& path, std::string& bytes, size_t limit) {
    if (badName(path)) return runtimeError(kBadFileName);
    // Not blocking on open lets a named pipe be refused below instead of
    // waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return runtimeError(openErrorNumber(errno, path));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return runtimeError(kAccessError);  // a folder, a device, a pipe
    }
    // At most `limit` bytes (see the header).
    std::string data;
    data.reserve(std::min(size_t(std::max<off_t>(st.st_size, 0)), limit));
    char buffer[65536];
    while (data.size() < limit) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - data.size()));
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return runtimeError(ioErrorNumber(err));
        }
        data.append(buffer, size_t(n));
    }
    ::close(fd);
    bytes = std::move(data);
    return {};
}

namespace {

// Writes the new file for `path`: under its own name when there is no file
// to keep (`temp` stays empty; taken away again if the writing fails),
// otherwise to a new file `temp` beside the one it replaces (`target`, a
// link followed), synced to the disk when `sync` is set, which then only has
// to take the target's name. On an error no new file is left behind.
FileError writeNew(const std::string& path, const std::string& bytes, bool sync, fs::path& target,
                   fs::path& temp) {
    temp.clear();
    if (badName(path)) return runtimeError(kBadFileName);
    target = fs::path(path);

    // A link is followed, so the file it points to is replaced, not the link.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        fs::path real = fs::canonical(target, ec);
        if (!ec) target = real;
    }
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode)) return runtimeError(kAccessError);
        // A file the user may not write stays as it is, even where the
        // folder would let a new file take its name.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return runtimeError(kAccessError);
    } else if (errno != ENOENT) {
        return runtimeError(openErrorNumber(errno, target.string()));
    }
    if (target.filename().empty()) return runtimeError(kBadFileName);

    // No file to keep: the new one is written under its own name, and taken
    // away again if the writing fails.
    if (!exists) {
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            const bool written = writeAll(fd, bytes);
            int err = errno;
            const bool closed = ::close(fd) == 0;
            if (written && closed) return {};
            if (written) err = errno;
            ::unlink(target.c_str());
            return runtimeError(ioErrorNumber(err));
        }
        if (errno != EEXIST) return runtimeError(openErrorNumber(errno, target.string()));
        // Someone created it meanwhile: replace it as any existing file.
    }
    if (!isFolder(folderOf(target))) return runtimeError(kPathNotFound);

    fs::path name;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        name = temporaryName(target);
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return runtimeError(openErrorNumber(errno, name.string()));
    }
    if (fd < 0) return runtimeError(kAccessError);

    if (exists) {
        // The new file keeps the mode and, where allowed, the owner of the
        // one it replaces.
        ::fchmod(fd, st.st_mode & 07777);
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
        }
    }
    auto fail = [&](int err) {
        ::unlink(name.c_str());
        return runtimeError(ioErrorNumber(err));
    };
    if (!writeAll(fd, bytes)) {
        const int err = errno;
        ::close(fd);
        return fail(err);
    }
    if (sync && ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        return fail(err);
    }
    if (::close(fd) != 0) return fail(errno);
    temp = std::move(name);
    return {};
}

// Calls `syncFolder` once for each folder of `paths`, with the folder open,
// and returns the error number (0: none) of each path's folder.
template <typename SyncFolder>
std::vector<int> eachFolderOnce(const std::vector<fs::path>& paths, SyncFolder syncFolder) {
    std::vector<int> errors(paths.size(), 0);
    std::vector<std::pair<fs::path, int>> done;  // folder, error number
    for (size_t k = 0; k < paths.size(); ++k) {
        if (paths[k].empty()) continue;
        const fs::path folder = folderOf(paths[k]);
        auto it = std::find_if(done.begin(), done.end(),
                               [&folder](const auto& d) { return d.first == folder; });
        if (it == done.end()) {
            int number = 0;
            const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd < 0 || !syncFolder(fd)) number = ioErrorNumber(errno);
            if (fd >= 0) ::close(fd);
            done.emplace_back(folder, number);
            it = done.end() - 1;
        }
        errors[k] = it->second;
    }
    return errors;
}

// Renaming a new file over an old one frees the old file's blocks inside
// the rename, and on a disk that discards freed blocks that costs ten times
// the rename itself. So each old file is held (a path reference) while the
// new one takes its name, and a few threads let go of the held files: the
// freeing runs on them, side by side, while the renames go on. What is on
// the disk and when is unchanged; only the old files' space comes back on
// other threads. Fewer files than are worth the threads are renamed plainly.
class OldFileRelease {
public:
    explicit OldFileRelease(size_t files) {
        if (files < kWorthThreads) return;
        for (int k = 0; k < kThreads; ++k) threads_.emplace_back([this] { run(); });
    }
    ~OldFileRelease() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        ready_.notify_all();
        for (std::thread& t : threads_) t.join();
    }
    OldFileRelease(const OldFileRelease&) = delete;
    OldFileRelease& operator=(const OldFileRelease&) = delete;

    // Renames `from` over `to`; false with errno set when it fails.
    bool rename(const std::string& from, const std::string& to) {
        const int held = threads_.empty() ? -1 : ::open(to.c_str(), O_PATH | O_CLOEXEC);
        const bool renamed = ::rename(from.c_str(), to.c_str()) == 0;
        const int err = errno;
        if (held >= 0) release(held);
        errno = err;
        return renamed;
    }

private:
    static constexpr size_t kWorthThreads = 64;
    static constexpr int kThreads = 8;
    static constexpr size_t kMaxHeld = 256;  // well under the open-file limit

    void release(int fd) {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [this] { return held_.size() < kMaxHeld; });
        held_.push_back(fd);
        ready_.notify_one();
    }
    void run() {
        for (;;) {
            int fd;
            {
                std::unique_lock lock(mutex_);
                ready_.wait(lock, [this] { return !held_.empty() || done_; });
                if (held_.empty()) return;
                fd = held_.front();
                held_.pop_front();
            }
            room_.notify_one();
            ::close(fd);
        }
    }

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable ready_, room_;
    std::deque<int> held_;
    bool done_ = false;
};

}  // namespace

FileError replaceFile(const std::string& path, const std::string& bytes) {
    fs::path target, temp;
    // On the disk before it takes the old file's name, so not even a power
    // cut between the two leaves an empty file in its place.
    if (FileError error = writeNew(path, bytes, true, target, temp)) return error;
    if (temp.empty()) return {};
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return runtimeError(ioErrorNumber(err));
    }
    return {};
}

ReplaceBatch::~ReplaceBatch() {
    for (const Entry& e : entries_)
        if (!e.temp.empty()) ::unlink(e.temp.c_str());
}

FileError ReplaceBatch::add(const std::string& path, const std::string& bytes) {
    fs::path target, temp;
    Entry entry;
    entry.error = writeNew(path, bytes, false, target, temp);
    if (!entry.error) {
        entry.target = target.string();
        entry.temp = temp.string();
    }
    entries_.push_back(std::move(entry));
    return entries_.back().error;
}

std::vector<FileError> ReplaceBatch::commit() {
    std::vector<Entry> entries = std::move(entries_);
    entries_.clear();
    auto failed = [](Entry& e, int number) {
        if (!e.temp.empty()) ::unlink(e.temp.c_str());
        e.temp.clear();
        e.target.clear();
        e.error = runtimeError(number);
    };

    // Every new file on the disk before any takes an old file's name: one
    // sync of each file system written to (a file system is synced once
    // however many of its folders were written to).
    std::vector<fs::path> temps;
    for (const Entry& e : entries) temps.emplace_back(e.temp);
    std::vector<dev_t> synced;
    const std::vector<int> syncErrors = eachFolderOnce(temps, [&synced](int fd) {
        struct stat st {};
        if (::fstat(fd, &st) != 0) return false;
        if (std::find(synced.begin(), synced.end(), st.st_dev) != synced.end()) return true;
        if (::syncfs(fd) != 0) return false;
        synced.push_back(st.st_dev);
        return true;
    });
    for (size_t k = 0; k < entries.size(); ++k)
        if (syncErrors[k]) failed(entries[k], syncErrors[k]);

    {
        OldFileRelease release(entries.size());
        for (Entry& e : entries) {
            if (e.temp.empty()) continue;
            if (!release.rename(e.temp, e.target)) failed(e, ioErrorNumber(errno));
            e.temp.clear();
        }
    }

    // The new names on the disk: each folder once.
    std::vector<fs::path> targets;
    for (const Entry& e : entries) targets.emplace_back(e.target);
    const std::vector<int> folderErrors =
        eachFolderOnce(targets, [](int fd) { return ::fsync(fd) == 0; });

    std::vector<FileError> errors;
    errors.reserve(entries.size());
    for (size_t k = 0; k < entries.size(); ++k) {
        if (folderErrors[k]) entries[k].error = runtimeError(folderErrors[k]);
        errors.push_back(entries[k].error);
    }
    return errors;
}

std::string openFailureMessage(const FileError& error) {
    switch (error.number) {
    case 52: return "Bad File Name or Number";
    case 53: return "Cannot Find File";
    case 54: return "Bad File Mode";
    case 57: return "Device I/O Error";
    case 68: return "Device Unavailable";
    case 76: return "Path Not Found";
    default: break;
    }
    std::string message = std::to_string(error.number);
    if (!error.text.empty()) message += " - " + error.text;
    if (error.line > 0) message += " (line " + std::to_string(error.line) + ")";
    return message;
}

std::string saveFailureMessage(const std::string& path, const FileError& error) {
    std::string reason = error.text.empty() ? "Error " + std::to_string(error.number) : error.text;
    return "Cannot save " + path + ":\n" + reason;
}

std::string saveFailureLine(const std::string& path, const FileError& error) {
    std::string reason = error.text.empty() ? "Error " + std::to_string(error.number) : error.text;
    return "Cannot save " + path + ": " + reason;
}

}  // namespace quorin
