#include "batch/Batch.h"

#include <ctime>
#include <filesystem>
#include <ostream>

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

namespace quorin {

namespace {

constexpr const char* kUsage =
    "Usage: quorin-batch gas|liquid|norvane IN.dat OUT.txt\n"
    "       quorin-batch gas|liquid|norvane --dir OUTDIR IN.dat...\n"
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
    "2 a usage error.\n";

int usage(std::ostream& err, const std::string& problem) {
    err << "quorin-batch: " << problem << "\n" << kUsage;
    return 2;
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
            out << kUsage;
            return 0;
        }
    if (args.empty()) return usage(err, "no workflow given");
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

    // A calculation that cannot divide says so on standard error.
    const Hooks previous = hooks();
    std::string current;
    hooks().message = [&err, &current](const std::string& text) {
        err << current << ": " << text << "\n";
    };
    hooks().beep = nullptr;
    hooks().showCustomGas = nullptr;
    hooks().selectControl = nullptr;  // no screen to select a box on

    const std::string today = todayDate();
    int status = 0;
    std::string report;
    for (const auto& [in, target] : jobs) {
        current = in;
        if (const FileError error = sizeCaseFile(workflow, in, today, report)) {
            err << in << ": " << openFailureMessage(error) << "\n";
            status = 1;
            continue;
        }
        // The case's plausibility warnings; they leave the status as it is.
        if (workflow != Workflow::Norvane) {
            const CaseWarnings w = workflow == Workflow::Gas ? gasWarnings() : liquidWarnings();
            for (const std::string& line : w.lines) err << in << ": warning: " << line << "\n";
        }
        if (target == "-") {
            out.write(report.data(), std::streamsize(report.size()));
            out.flush();
        } else if (const FileError error = replaceFile(target, report)) {
            err << in << ": " << saveFailureMessage(target, error) << "\n";
            status = 1;
        }
    }
    hooks() = previous;
    return status;
}

}  // namespace quorin
