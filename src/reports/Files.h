// Reading and writing whole files for the file commands, with the error
// numbers of the original runtime so the screens can say what went wrong.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorin {

struct FileError {
    int number = 0;       // 0: no error
    std::string text;     // a short description ("Path not found")
    int line = 0;         // for a case file: the line where reading stopped
    explicit operator bool() const { return number != 0; }
};

// The error `number` with the runtime's description of it ("Type mismatch"
// for 13, "Input past end of file" for 62, ...) and the line, if any.
FileError runtimeError(int number, int line = 0);

// Reads the whole file. Error numbers: 53 file not found, 76 path not found,
// 75 path/file access error (a folder, a device or pipe, no permission), 57
// device I/O error, 52 an empty name. A case file is a few hundred bytes: a
// huge file chosen by mistake is read only as far as `limit` bytes.
FileError readWholeFile(const std::string& path, std::string& bytes, size_t limit = 1 << 20);

// Writes the whole file without ever destroying the one it replaces: the
// bytes go to a new file beside it, which then takes its name (a link is
// followed; the replaced file's mode is kept). A file that did not exist is
// written under its own name and removed again if the writing fails. Error numbers: 76 path not
// found, 75 path/file access error (a folder, a read-only file), 61 disk
// full, 57 device I/O error, 52 an empty name.
FileError replaceFile(const std::string& path, const std::string& bytes);

// Many files replaced as `replaceFile` replaces one, with the same guarantee
// (an old file stays whole until its complete replacement is on the disk),
// but with one sync for them all instead of one per file: `add` writes each
// new file beside the one it replaces (a file that did not exist is written
// under its own name), `commit` syncs each file system written to once,
// gives every new file its name and then syncs each folder once. A file
// whose writing fails is removed again and its old file left as it was; the
// others are still done. Files added for the same path take it in turn.
class ReplaceBatch {
public:
    ReplaceBatch() = default;
    ReplaceBatch(const ReplaceBatch&) = delete;
    ReplaceBatch& operator=(const ReplaceBatch&) = delete;
    ~ReplaceBatch();  // removes the new files still waiting to replace old ones

    // Writes the new file for `path` and returns the error, if any (the same
    // numbers as `replaceFile`); `commit` reports it again in its place.
    FileError add(const std::string& path, const std::string& bytes);
    // The outcome of each `add`, in the order added; the batch is then empty.
    std::vector<FileError> commit();

private:
    struct Entry {
        std::string target;  // the path that gets the new file ("" after a failed add)
        std::string temp;    // the new file beside it ("" when written under its own name)
        FileError error;
    };
    std::vector<Entry> entries_;
};

// The message shown for a case file that cannot be opened: the runtime's
// texts for 52, 53, 54, 57, 68 and 76 ("Cannot Find File", ...); for any
// other error the number, " - ", the description and, when known, the line
// ("62 - Input past end of file (line 20)").
std::string openFailureMessage(const FileError& error);

// The message shown for a file that cannot be written: the file's path and
// the description.
std::string saveFailureMessage(const std::string& path, const FileError& error);

// The same on one line ("Cannot save PATH: Disk full"), for a log.
std::string saveFailureLine(const std::string& path, const FileError& error);

}  // namespace quorin
