// Fuzzes the readers of the three case files with whatever bytes a file may
// hold. A file that opens must then size without a fault (the chain a screen
// runs after opening, Find Meter, the results and both reports), and saving
// the opened case must give a file that opens again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core.h"

namespace {

constexpr const char* kDate = "01-02-2026";

void check(bool ok) {
    if (!ok) std::abort();
}

void gas(const std::string& bytes) {
    using namespace quorin;
    shared() = SharedState{};
    loadGasDefaults();
    modGasRecalc();
    if (takeGasCaseFile(bytes)) return;
    const std::string saved = gasCaseFileBytes();
    modGasRecalc();
    modGasSelection();
    const GasResultsView view = modGasResults();
    gasResultsScreen(view, kDate);
    gasResultsText(view, kDate);
    modPrintResults(view, kDate);
    // The opened case saves to a file that opens to the same case.
    shared() = SharedState{};
    check(!takeGasCaseFile(saved));
    check(gasCaseFileBytes() == saved);
}

void liquid(const std::string& bytes) {
    using namespace quorin;
    shared() = SharedState{};
    loadLiquidDefaults(false);
    modLqdRecalc();
    if (takeLiquidCaseFile(bytes)) return;
    const std::string saved = liquidCaseFileBytes();
    modLqdRecalc();
    modLqdSelection();
    const LiquidResultsView view = modLqdResults();
    liquidResultsScreen(view, kDate);
    liquidResultsText(view, kDate);
    modLqdPrintResults(view, kDate);
    shared() = SharedState{};
    check(!takeLiquidCaseFile(saved));
    check(liquidCaseFileBytes() == saved);
}

void norvane(const std::string& bytes) {
    using namespace quorin;
    shared() = SharedState{};
    modnrvLoadPipeTbl();
    nrvLoadDefaults(kDate);
    nrvRecalcAll();
    if (takeNorvaneDataFile(bytes)) return;
    const std::string saved = norvaneDataFileBytes();
    nrvBaseDerived();
    nrvRecalcAll();
    const NorvaneReport report = norvaneReport();
    norvaneReportText(report, kDate);
    norvanePage(report);
    shared() = SharedState{};
    check(!takeNorvaneDataFile(saved));
    check(norvaneDataFileBytes() == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    gas(bytes);
    liquid(bytes);
    norvane(bytes);
    return 0;
}
