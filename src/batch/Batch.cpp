#include "batch/Batch.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <unordered_map>
#include <utility>

#include "gas/GasCalc.h"
#include "gas/Plausibility.h"
#include "gas/Results.h"
#include "liquid/LiquidCalc.h"
#include "liquid/Plausibility.h"
#include "liquid/Results.h"
#include "norvane/NorvaneCalc.h"
#include "norvane/NorvaneFiles.h"
#include "reports/CaseFiles.h"
#include "reports/ResultsText.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "tags/TagList.h"

namespace quorin {

namespace {

constexpr const char* kUsage =
    "Usage: quorin-batch gas|liquid|norvane IN.dat OUT.txt\n"
    "       quorin-batch gas|liquid|norvane --dir OUTDIR IN.dat...\n"
    "       quorin-batch tags IN.csv OUT.csv [--xlsx OUT.xlsx] [--reports DIR]\n"
    "\n"
    "Sizes saved vortex case files (gas/steam or liquid) as the program does\n"
    "when a case is opened, Find Meter is pressed and the results are saved,\n"
    "or saved averaging-tube (norvane) data files as the program does when a\n"
    "file is opened and its text report saved: each report is written to\n"
    "OUT.txt (\"-\" for standard output) or, with --dir, to OUTDIR/NAME.txt\n"
    "for each IN file NAME.dat.\n"
    "\n"
    "Exit status: 0 every file sized; 1 a file could not be read or its\n"
    "results not written (named on standard error, the others still sized);\n"
    "2 a usage error, or results that would overwrite a case file or each\n"
    "other (named on standard error; nothing sized or written).\n"
    "\n"
    "With tags, sizes every row of the tag list IN.csv (a header row of column\n"
    "captions, then one tag a row) as the program sizes the same case, and\n"
    "writes the results table to OUT.csv (\"-\" for standard output), with\n"
    "--xlsx also as a workbook, with --reports each sized tag's results file to\n"
    "DIR/TAG.txt. Each row that cannot be sized is named on standard error with\n"
    "its line number, and the status is 1.\n";

int usage(std::ostream& err, const std::string& problem) {
    err << "quorin-batch: " << problem << "\n" << kUsage;
    return 2;
}

// One line of standard error: `who`, ": " and `text`, a control character
// in either (a new line in a file name) written as an escape.
void logLine(std::ostream& err, const std::string& who, const std::string& text) {
    std::string line;
    for (const char c : who + ": " + text) {
        if (c == '\n') line += "\\n";
        else if (c == '\r') line += "\\r";
        else if ((unsigned char)c < 0x20 && c != '\t') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", unsigned((unsigned char)c));
            line += hex;
        } else line += c;
    }
    err << line << "\n";
}

// Whether the whole report reached `out` (a full disk or a closed pipe fails).
bool writeOut(std::ostream& out, const std::string& bytes) {
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.flush();
    return bool(out);
}

// What tells a file apart from others: its device and file number where it
// exists, else its folder's resolved absolute name (each folder resolved
// once) and its own name.
class FileIdentities {
public:
    std::string of(const std::string& path) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
        namespace fs = std::filesystem;
        const fs::path name = fs::path(path).lexically_normal();
        auto [it, added] = folders_.try_emplace(name.parent_path().string());
        if (added) {
            std::error_code ec;
            const fs::path folder = fs::absolute(name.parent_path(), ec);
            it->second = fs::weakly_canonical(folder, ec).string();
            if (ec) it->second = folder.lexically_normal().string();
        }
        return it->second + "/" + name.filename().string();
    }

private:
    std::unordered_map<std::string, std::string> folders_;
};

// The jobs that would overwrite a case file or each other's results, each
// named on one line of standard error; true when there are none.
bool noClashes(const std::vector<std::pair<std::string, std::string>>& jobs, std::ostream& err) {
    FileIdentities identities;
    std::unordered_map<std::string, size_t> inputs;  // identity, its first job
    for (size_t k = 0; k < jobs.size(); ++k) inputs.try_emplace(identities.of(jobs[k].first), k);
    std::unordered_map<std::string, size_t> targets;
    bool clear = true;
    for (size_t k = 0; k < jobs.size(); ++k) {
        const auto& [in, target] = jobs[k];
        if (target == "-") continue;
        const std::string id = identities.of(target);
        if (const auto it = inputs.find(id); it != inputs.end()) {
            logLine(err, "quorin-batch", "the results of " + in + " would replace the case file " +
                                             jobs[it->second].first + "; nothing written");
            clear = false;
        }
        if (const auto [it, added] = targets.try_emplace(id, k); !added) {
            logLine(err, "quorin-batch", jobs[it->second].first + " and " + in +
                                             " would both be written to " + target + "; nothing written");
            clear = false;
        }
    }
    return clear;
}

// The files a tag-list run writes that would replace the tag list or each
// other, each named on one line of standard error; true when there are none.
bool tagTargetsClear(const std::string& in, const std::vector<std::string>& targets, std::ostream& err) {
    FileIdentities identities;
    const std::string list = identities.of(in);
    std::unordered_map<std::string, size_t> seen;
    bool clear = true;
    for (size_t k = 0; k < targets.size(); ++k) {
        const std::string& target = targets[k];
        if (target.empty() || target == "-") continue;
        const std::string id = identities.of(target);
        if (id == list) {
            logLine(err, "quorin-batch", target + " would replace the tag list " + in + "; nothing written");
            clear = false;
        } else if (!seen.try_emplace(id, k).second) {
            logLine(err, "quorin-batch", "two results would be written to " + target + "; nothing written");
            clear = false;
        }
    }
    return clear;
}

// quorin-batch tags IN.csv OUT.csv [--xlsx OUT.xlsx] [--reports DIR]
int runTags(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    std::string xlsx, reports;
    for (size_t k = 1; k < args.size(); ++k) {
        const bool book = args[k] == "--xlsx";
        if (!book && args[k] != "--reports") {
            files.push_back(args[k]);
            continue;
        }
        std::string& value = book ? xlsx : reports;
        if (k + 1 == args.size() || args[k + 1].empty() || !value.empty())
            return usage(err, args[k] + (book ? " needs one workbook file" : " needs one folder"));
        value = args[++k];
    }
    if (files.size() != 2) return usage(err, "tags expects a tag list and a results file");
    const std::string& in = files[0];
    const std::string& target = files[1];

    tags::TagList list;
    if (const FileError error = tags::readTagList(in, list)) {
        logLine(err, in, openFailureMessage(error));
        return 1;
    }
    // Every row takes its report's name, a bad one too, so a row mended
    // later leaves the names of the others as they were.
    std::vector<std::string> targets = {target, xlsx};
    if (!reports.empty()) {
        tags::ReportNames names;
        const std::filesystem::path folder = reports;
        for (const tags::Row& row : list.rows)
            targets.push_back(
                (folder / (names.next(list.cell(row, tags::Field::TagNumber)) + ".txt")).string());
    }
    if (!tagTargetsClear(in, targets, err)) return 2;

    // A calculation's message goes to the row's warnings (see sizeTag).
    int status = 0;
    std::vector<tags::Result> results;
    results.reserve(list.rows.size());
    for (const tags::Row& row : list.rows) {
        results.push_back(tags::sizeTag(list, row));
        const tags::Result& r = results.back();
        if (r.status != tags::Status::Error) continue;
        status = 1;
        const bool numbered = r.error.rfind("line ", 0) == 0;
        logLine(err, in, numbered ? r.error : "line " + std::to_string(row.line) + ": " + r.error);
    }

    if (target == "-") {
        if (!writeOut(out, tags::resultsCsv(list, results))) {
            logLine(err, in, "Cannot write to standard output");
            status = 1;
        }
    } else if (const FileError error = tags::saveResultsCsv(target, list, results)) {
        logLine(err, in, saveFailureLine(target, error));
        status = 1;
    }
    if (!xlsx.empty())
        if (const FileError error = tags::saveResultsXlsx(xlsx, list, results)) {
            logLine(err, in, saveFailureLine(xlsx, error));
            status = 1;
        }
    if (reports.empty()) return status;

    // The reports, as Save writes each tag's results; a missing folder is made.
    std::error_code ec;
    std::filesystem::create_directories(reports, ec);
    const std::string today = todayDate();
    ReplaceBatch batch;
    std::vector<size_t> added;  // the row of each file added
    for (size_t k = 0; k < results.size(); ++k) {
        const tags::Result& r = results[k];
        if (!r.gas && !r.liquid) continue;
        const std::string& path = targets[2 + k];
        const std::string text = r.gas ? gasResultsText(*r.gas, today) : liquidResultsText(*r.liquid, today);
        if (const FileError error = batch.add(path, text)) {
            logLine(err, in, saveFailureLine(path, error));
            status = 1;
            added.push_back(SIZE_MAX);
        } else {
            added.push_back(k);
        }
    }
    const std::vector<FileError> saved = batch.commit();
    for (size_t k = 0; k < saved.size(); ++k)
        if (saved[k] && added[k] != SIZE_MAX) {
            logLine(err, in, saveFailureLine(targets[2 + added[k]], saved[k]));
            status = 1;
        }
    return status;
}

}  // namespace

std::string todayDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m-%d-%Y", &local);
    return text;
}

FileError sizeCaseFile(Workflow workflow, const std::string& caseFile, const std::string& today,
                       std::string& report) {
    auto& S = shared();
    S = SharedState{};
    if (workflow == Workflow::Gas) {
        loadGasDefaults();
        modGasRecalc();
        S.InputFileName = caseFile;
        if (FileError error = modOpenInputData()) return error;
        modGasRecalc();
        modGasSelection();
        report = gasResultsText(modGasResults(), today);
    } else if (workflow == Workflow::Norvane) {
        modnrvLoadPipeTbl();
        nrvLoadDefaults(today);
        nrvRecalcAll();
        S.TubeDataFile = caseFile;
        if (FileError error = modnrvOpenInData()) return error;
        nrvBaseDerived();
        nrvRecalcAll();
        report = norvaneReportText(norvaneReport(), today);
    } else {
        loadLiquidDefaults(false);
        modLqdRecalc();
        S.LqdInputFileName = caseFile;
        if (FileError error = modLqdOpenInputData()) return error;
        modLqdRecalc();
        modLqdSelection();
        report = liquidResultsText(modLqdResults(), today);
    }
    return {};
}

int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            if (writeOut(out, kUsage)) return 0;
            logLine(err, "quorin-batch", "Cannot write to standard output");
            return 1;
        }
    if (args.empty()) return usage(err, "no workflow given");
    if (args[0] == "tags") return runTags(args, out, err);
    Workflow workflow;
    if (args[0] == "gas") workflow = Workflow::Gas;
    else if (args[0] == "liquid") workflow = Workflow::Liquid;
    else if (args[0] == "norvane") workflow = Workflow::Norvane;
    else return usage(err, "unknown workflow \"" + args[0] + "\" (gas, liquid or norvane)");

    // Each input file with the path its results go to ("-": standard output).
    std::vector<std::pair<std::string, std::string>> jobs;
    if (args.size() >= 2 && args[1] == "--dir") {
        if (args.size() < 4) return usage(err, "--dir needs a folder and at least one case file");
        const std::filesystem::path folder = args[2];
        for (size_t k = 3; k < args.size(); ++k) {
            const std::filesystem::path in = args[k];
            jobs.emplace_back(args[k], (folder / in.stem()).string() + ".txt");
        }
    } else {
        if (args.size() != 3) return usage(err, "expected a case file and a results file");
        jobs.emplace_back(args[1], args[2]);
    }
    if (!noClashes(jobs, err)) return 2;

    // A calculation that cannot divide says so on standard error.
    const Hooks previous = hooks();
    std::string current;
    hooks().message = [&err, &current](const std::string& text) {
        logLine(err, current, text);
    };
    hooks().beep = nullptr;
    hooks().showCustomGas = nullptr;
    hooks().selectControl = nullptr;  // no screen to select a box on

    // Each results file is written beside the one it replaces; all of them
    // take their names together after one sync (see ReplaceBatch).
    const std::string today = todayDate();
    int status = 0;
    std::string report;
    ReplaceBatch files;
    struct Added {
        std::string in, target;
        bool written;  // so far: the new results file is on its way
    };
    std::vector<Added> added;
    for (const auto& [in, target] : jobs) {
        current = in;
        if (const FileError error = sizeCaseFile(workflow, in, today, report)) {
            logLine(err, in, openFailureMessage(error));
            status = 1;
            continue;
        }
        // The case's plausibility warnings; they leave the status as it is.
        if (workflow != Workflow::Norvane) {
            const CaseWarnings w = workflow == Workflow::Gas ? gasWarnings() : liquidWarnings();
            for (const std::string& line : w.lines) err << in << ": warning: " << line << "\n";
        }
        if (target == "-") {
            if (!writeOut(out, report)) {
                logLine(err, in, "Cannot write to standard output");
                status = 1;
            }
        } else if (const FileError error = files.add(target, report)) {
            logLine(err, in, saveFailureLine(target, error));
            status = 1;
            added.push_back({in, target, false});
        } else {
            added.push_back({in, target, true});
        }
    }
    const std::vector<FileError> saved = files.commit();
    for (size_t k = 0; k < saved.size(); ++k)
        if (saved[k] && added[k].written) {
            logLine(err, added[k].in, saveFailureLine(added[k].target, saved[k]));
            status = 1;
        }
    hooks() = previous;
    return status;
}

}  // namespace quorin
