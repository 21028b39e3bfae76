#include "reports/CaseFiles.h"

#include "reports/ListFile.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

// `Io` is a ListFieldWriter (with const fields) or a ListFieldReader (with
// the fields to fill).

// The 22 lines of a gas/steam case.
template <typename Case, typename Io>
void gasFields(Case& S, Io&& io) {
    io(S.CustomerIn);
    io(S.TagNoIn);
    io(S.FlowRateIn);
    io(S.FlowUnitIn);
    io(S.PipeSizeIn);
    io(S.PipeUnitIn);
    io(S.PressIn);
    io(S.PressUnitIn);
    io(S.AtmoPressIn);
    io(S.AtmoPressUnitIn);
    io(S.TempIn);
    io(S.TempUnitIn);
    io(S.PressRefIn);
    io(S.PressRefUnitIn);
    io(S.TempRefIn);
    io(S.TempRefUnitIn);
    io(S.MediaIn);
    io(S.SpecGravity);
    io(S.ViscCoefA);
    io(S.ViscCoefB);
    io(S.OtherMediaFlag);
    io(S.OtherMediaName);
}

// The 14 lines of a liquid case.
template <typename Case, typename Io>
void liquidFields(Case& S, Io&& io) {
    io(S.CustomerIn);
    io(S.TagNoIn);
    io(S.LqdFlowRateIn);
    io(S.LqdFlowUnit);
    io(S.PipeSizeIn);
    io(S.PipeUnitIn);
    io(S.TempIn);
    io(S.TempUnitIn);
    io(S.MediaIn);
    io(S.SpecGravity);
    io(S.LqdDensityIn);
    io(S.LqdDensUnit);
    io(S.LqdViscIn);
    io(S.LqdViscUnit);
}

// Reads the file into a copy of the case and takes the copy only when
// every line read.
template <typename Fields>
FileError takeCase(std::string bytes, Fields fields) {
    ListReader in(std::move(bytes));
    SharedState copy = shared();
    fields(copy, ListFieldReader{in});
    if (in.failed()) return runtimeError(in.errorNumber(), in.line());
    shared() = std::move(copy);
    return {};
}

template <typename Fields>
FileError openCase(const std::string& path, Fields fields) {
    std::string bytes;
    if (FileError error = readWholeFile(path, bytes)) return error;
    return takeCase(std::move(bytes), fields);
}

auto gasCase = [](SharedState& S, ListFieldReader io) { gasFields(S, io); };
auto liquidCase = [](SharedState& S, ListFieldReader io) { liquidFields(S, io); };

bool isOtherMedium() { return unitIs(shared().MediaIn, "OTHER"); }

}  // namespace

std::string gasCaseFileBytes() {
    SharedState S = shared();
    S.OtherMediaFlag = isOtherMedium();
    ListWriter out;
    gasFields(static_cast<const SharedState&>(S), ListFieldWriter{out});
    return out.bytes();
}

std::string liquidCaseFileBytes() {
    ListWriter out;
    liquidFields(static_cast<const SharedState&>(shared()), ListFieldWriter{out});
    return out.bytes();
}

FileError modSaveInputData() {
    shared().OtherMediaFlag = isOtherMedium();
    return replaceFile(shared().InputFileName, gasCaseFileBytes());
}

FileError modOpenInputData() { return openCase(shared().InputFileName, gasCase); }

FileError takeGasCaseFile(std::string bytes) { return takeCase(std::move(bytes), gasCase); }

FileError modLqdSaveInputData() {
    return replaceFile(shared().LqdInputFileName, liquidCaseFileBytes());
}

FileError modLqdOpenInputData() { return openCase(shared().LqdInputFileName, liquidCase); }

FileError takeLiquidCaseFile(std::string bytes) { return takeCase(std::move(bytes), liquidCase); }

}  // namespace quorin
