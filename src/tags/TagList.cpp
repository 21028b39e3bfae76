// Tag lists: the columns, a row's case in the case record, and sizing each
// row as the batch sizer sizes a case file.
#include "tags/TagList.h"

#include <array>
#include <utility>

#include "gas/GasCalc.h"
#include "gas/InputRules.h"
#include "gas/MediaTable.h"
#include "liquid/InputRules.h"
#include "liquid/LiquidCalc.h"
#include "liquid/Plausibility.h"
#include "reports/ListFile.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin::tags {

namespace {

constexpr size_t kFields = size_t(Field::Unknown);

constexpr std::array<const char*, kFields> kCaptions = {
    "Workflow", "Customer", "Tag Number", "Media", "Flow Rate", "Flow Unit", "Pipe Size",
    "Pipe Unit", "Temperature", "Temperature Unit", "Specific Gravity", "Pressure",
    "Pressure Unit", "Atmospheric Pressure", "Atmospheric Pressure Unit", "Pressure Reference",
    "Pressure Reference Unit", "Temperature Reference", "Temperature Reference Unit",
    "Viscosity A", "Viscosity B", "Other Gas Name", "Density", "Density Unit", "Viscosity",
    "Viscosity Unit", "Min Flow", "Max Flow"};

constexpr const char* kGasSteam = "Gas/Steam";
constexpr const char* kLiquid = "Liquid";

const std::string kEmpty;

// The column of every field, found once for a header.
struct Columns {
    std::array<int, kFields> at;
    explicit Columns(const std::vector<std::string>& header) {
        at.fill(-1);
        for (size_t k = header.size(); k-- > 0;)
            if (const Field f = fieldOf(header[k]); f != Field::Unknown) at[size_t(f)] = int(k);
    }
};

// Reads a row's cells into a case: an empty cell (or none) leaves the value
// as it is; each cell that cannot be taken adds a problem.
class CellReader {
public:
    CellReader(const Row& row, const Columns& columns) : row_(row), columns_(columns) {}

    // The cell without the blanks around it; "" when the list has none.
    std::string text(Field f) const {
        const int k = columns_.at[size_t(f)];
        return k < 0 || size_t(k) >= row_.cells.size() ? std::string() : Trim(row_.cells[size_t(k)]);
    }
    bool given(Field f) const { return !text(f).empty(); }

    void string(Field f, std::string& out) const {
        if (std::string t = text(f); !t.empty()) out = std::move(t);
    }
    // Read as the case files' reader reads a number line.
    template <typename T>
    void number(Field f, T& out) {
        const std::string t = text(f);
        if (t.empty()) return;
        ListReader in(t);
        if (t.find('\n') == std::string::npos) {
            if constexpr (sizeof(T) == sizeof(float)) in.single(out);
            else in.number(out);
            if (!in.failed()) return;
            if (in.errorNumber() == 6) return problem(f, t, "is too large");
        }
        problem(f, t, "is not a number");
    }
    // Compared with the units of `units` as the conversions compare them.
    void unit(Field f, std::string& out, const std::vector<std::string>& units) {
        std::string t = text(f);
        if (t.empty()) return;
        for (const std::string& u : units)
            if (unitIs(t, upper(u))) {
                out = std::move(t);
                return;
            }
        problem(f, t, "is not one of its units");
    }
    void problem(Field f, const std::string& t, const char* what) {
        problems_ += (problems_.empty() ? "" : "; ") + std::string(fieldCaption(f)) + " \"" + t +
                     "\" " + what;
    }
    const std::string& problems() const { return problems_; }

private:
    const Row& row_;
    const Columns& columns_;
    std::string problems_;
};

void readGasCase(CellReader& in, SharedState& C) {
    in.string(Field::Customer, C.CustomerIn);
    in.string(Field::TagNumber, C.TagNoIn);
    in.number(Field::FlowRate, C.FlowRateIn);
    in.unit(Field::FlowUnit, C.FlowUnitIn, gasFlowUnits());
    in.number(Field::PipeSize, C.PipeSizeIn);
    in.unit(Field::PipeUnit, C.PipeUnitIn, pipeUnits());
    in.number(Field::Pressure, C.PressIn);
    in.unit(Field::PressureUnit, C.PressUnitIn, pressUnits());
    in.number(Field::AtmosphericPressure, C.AtmoPressIn);
    in.unit(Field::AtmosphericPressureUnit, C.AtmoPressUnitIn, absolutePressUnits());
    in.number(Field::Temperature, C.TempIn);
    in.unit(Field::TemperatureUnit, C.TempUnitIn, tempUnits());
    in.number(Field::PressureReference, C.PressRefIn);
    in.unit(Field::PressureReferenceUnit, C.PressRefUnitIn, absolutePressUnits());
    in.number(Field::TemperatureReference, C.TempRefIn);
    in.unit(Field::TemperatureReferenceUnit, C.TempRefUnitIn, tempUnits());
    // A medium of the table brings its constants, as choosing it on the
    // input screen does; cells of their own override them.
    if (in.given(Field::Media)) {
        in.string(Field::Media, C.MediaIn);
        const std::string name = upper(C.MediaIn);
        for (const GasMedium& m : gasMedia())
            if (m.name == name) {
                C.SpecGravity = m.specGravity;
                C.ViscCoefA = m.viscCoefA;
                C.ViscCoefB = m.viscCoefB;
                break;
            }
    }
    in.number(Field::SpecificGravity, C.SpecGravity);
    in.number(Field::ViscosityA, C.ViscCoefA);
    in.number(Field::ViscosityB, C.ViscCoefB);
    in.string(Field::OtherGasName, C.OtherMediaName);
    C.OtherMediaFlag = unitIs(C.MediaIn, "OTHER");
}

void readLiquidCase(CellReader& in, SharedState& C) {
    in.string(Field::Customer, C.CustomerIn);
    in.string(Field::TagNumber, C.TagNoIn);
    in.number(Field::FlowRate, C.LqdFlowRateIn);
    in.unit(Field::FlowUnit, C.LqdFlowUnit, lqdFlowUnits());
    in.number(Field::PipeSize, C.PipeSizeIn);
    in.unit(Field::PipeUnit, C.PipeUnitIn, pipeUnits());
    in.number(Field::Temperature, C.TempIn);
    in.unit(Field::TemperatureUnit, C.TempUnitIn, tempUnits());
    in.string(Field::Media, C.MediaIn);
    in.number(Field::SpecificGravity, C.SpecGravity);
    in.number(Field::Density, C.LqdDensityIn);
    in.unit(Field::DensityUnit, C.LqdDensUnit, lqdDensUnits());
    in.number(Field::Viscosity, C.LqdViscIn);
    in.unit(Field::ViscosityUnit, C.LqdViscUnit, lqdViscUnits());
}

// The start-up case of a workflow, as the batch sizer starts each file.
void startUp(Workflow workflow) {
    shared() = SharedState{};
    if (workflow == Workflow::Gas) {
        loadGasDefaults();
        modGasRecalc();
    } else {
        loadLiquidDefaults(false);
        modLqdRecalc();
    }
}

bool loadCase(const Row& row, const Columns& columns, Workflow& workflow, std::string& error) {
    CellReader in(row, columns);
    const std::string name = in.text(Field::Workflow);
    const bool known = unitIs(name, upper(kGasSteam)) || unitIs(name, upper(kLiquid));
    workflow = unitIs(name, upper(kLiquid)) ? Workflow::Liquid : Workflow::Gas;
    startUp(workflow);
    if (!known)
        in.problem(Field::Workflow, name, "is neither \"Gas/Steam\" nor \"Liquid\"");

    SharedState copy = shared();
    if (workflow == Workflow::Gas) readGasCase(in, copy);
    else readLiquidCase(in, copy);
    float flow = 0;
    in.number(Field::MinFlow, flow);
    in.number(Field::MaxFlow, flow);
    if (!in.problems().empty()) {
        error = "line " + std::to_string(row.line) + ": " + in.problems();
        return false;
    }
    shared() = std::move(copy);
    // A specific gravity without a density gives the density, as the
    // liquid screen's specific-gravity entry does.
    if (workflow == Workflow::Liquid && in.given(Field::SpecificGravity) &&
        !in.given(Field::Density))
        modLqdGravityDensity();
    if (workflow == Workflow::Gas) modGasRecalc();
    else modLqdRecalc();
    return true;
}

// Keeps the case record and the hooks as they were around a sizing run;
// meanwhile the calculations' messages are collected instead of shown.
class QuietRun {
public:
    QuietRun() : record_(shared()), hooks_(hooks()) {
        hooks() = Hooks{};
        hooks().message = [this](const std::string& text) { messages.push_back(text); };
    }
    ~QuietRun() {
        shared() = std::move(record_);
        hooks() = std::move(hooks_);
    }
    QuietRun(const QuietRun&) = delete;
    QuietRun& operator=(const QuietRun&) = delete;
    std::vector<std::string> messages;

private:
    SharedState record_;
    Hooks hooks_;
};

Meter meter(const std::string& code, float minFlow, float maxFlow, bool ranged) {
    // The range texts of the results screens.
    return {code, minFlow, maxFlow, ranged ? Format(minFlow, "0.0#") : "",
            ranged ? Format(maxFlow, "0.0#") : "", std::nullopt};
}

void takeGasView(Result& r, GasResultsView view) {
    r.flowUnit = view.FlowUnitIn;
    for (const GasMeterSlot& slot : view.meterSlots) {
        if (!slot.listed()) continue;
        if (r.meters.empty()) r.reynolds = slot.reynolds;
        r.meters.push_back(meter(slot.code, slot.minFlow, slot.maxFlow, slot.ranged()));
    }
    r.density = view.DensityLbFt3;
    r.viscosityCp = view.ViscCp;
    r.actualFlow = view.FlowAcfm;
    r.velocityFps = view.VelFps;
    r.notes = view.notes;
    r.warnings = view.warnings;
    r.gas = std::move(view);
}

void takeLiquidView(Result& r, LiquidResultsView view) {
    r.flowUnit = view.LqdFlowUnit;
    for (const LiquidMeterRange& m : view.meters)
        r.meters.push_back(meter(m.code, m.minFlow, m.maxFlow, true));
    // The first slot the view lists is the first recommended meter.
    const auto& S = shared();
    int first = 25;
    while (first <= 40 && (S.MeterModel[first].empty() || S.MeterModel[first] == "NONE")) ++first;
    for (const CatalogueModel& m : catalogueModels())
        if (m.slot == first) r.reynolds = liquidReynolds(m);
    r.density = view.DensityLbFt3;
    r.viscosityCp = view.ViscCp;
    r.actualFlow = view.LqdFlowGpm;
    r.velocityFps = view.LqdVelFps;
    r.notes = view.notes;
    r.warnings = view.warnings;
    r.liquid = std::move(view);
}

Result sizeRow(const Row& row, const Columns& columns, std::vector<std::string>& messages) {
    Result r;
    messages.clear();
    if (!loadCase(row, columns, r.workflow, r.error)) return r;
    if (r.workflow == Workflow::Gas) {
        modGasSelection();
        takeGasView(r, modGasResults());
    } else {
        modLqdSelection();
        takeLiquidView(r, modLqdResults());
    }
    // A calculation's own message (a division it could not make) is a warning.
    r.warnings.insert(r.warnings.end(), messages.begin(), messages.end());

    CellReader in(row, columns);
    if (in.given(Field::MinFlow) && in.given(Field::MaxFlow)) {
        float low = 0, high = 0;
        in.number(Field::MinFlow, low);
        in.number(Field::MaxFlow, high);
        for (Meter& m : r.meters) m.holdsMinMax = m.minFlow <= low && high <= m.maxFlow;
    }
    if (r.meters.empty()) r.status = Status::NoMeter;
    else if (r.notes.empty() && r.warnings.empty()) r.status = Status::Fits;
    else r.status = Status::FitsWithNotes;
    return r;
}

}  // namespace

const char* fieldCaption(Field field) {
    return field == Field::Unknown ? "" : kCaptions[size_t(field)];
}

Field fieldOf(std::string_view caption) {
    const std::string wanted = upper(Trim(caption));
    for (size_t k = 0; k < kFields; ++k)
        if (upper(kCaptions[k]) == wanted) return Field(k);
    return Field::Unknown;
}

int TagList::column(Field field) const {
    if (field == Field::Unknown) return -1;
    for (size_t k = 0; k < header.size(); ++k)
        if (fieldOf(header[k]) == field) return int(k);
    return -1;
}

const std::string& TagList::cell(const Row& row, Field field) const {
    const int k = column(field);
    return k < 0 || size_t(k) >= row.cells.size() ? kEmpty : row.cells[size_t(k)];
}

void TagList::set(Row& row, Field field, std::string value) {
    int k = column(field);
    if (k < 0) {
        k = int(header.size());
        header.push_back(fieldCaption(field));
        for (Row& r : rows) r.cells.resize(header.size());
    }
    if (row.cells.size() < header.size()) row.cells.resize(header.size());
    row.cells[size_t(k)] = std::move(value);
}

bool loadTagCase(const TagList& list, const Row& row, Workflow& workflow, std::string& error) {
    return loadCase(row, Columns(list.header), workflow, error);
}

Result sizeTag(const TagList& list, const Row& row) {
    QuietRun run;
    return sizeRow(row, Columns(list.header), run.messages);
}

std::vector<Result> sizeTags(const TagList& list) {
    QuietRun run;
    const Columns columns(list.header);
    std::vector<Result> results;
    results.reserve(list.rows.size());
    for (const Row& row : list.rows) results.push_back(sizeRow(row, columns, run.messages));
    return results;
}

void storeTagCase(TagList& list, Row& row, Workflow workflow) {
    const auto& S = shared();
    auto put = [&](Field f, std::string value) { list.set(row, f, std::move(value)); };
    put(Field::Workflow, workflow == Workflow::Gas ? kGasSteam : kLiquid);
    put(Field::Customer, S.CustomerIn);
    put(Field::TagNumber, S.TagNoIn);
    put(Field::Media, S.MediaIn);
    put(Field::PipeSize, General(S.PipeSizeIn));
    put(Field::PipeUnit, S.PipeUnitIn);
    put(Field::Temperature, General(S.TempIn));
    put(Field::TemperatureUnit, S.TempUnitIn);
    put(Field::SpecificGravity, General(S.SpecGravity));
    if (workflow == Workflow::Gas) {
        put(Field::FlowRate, General(S.FlowRateIn));
        put(Field::FlowUnit, S.FlowUnitIn);
        put(Field::Pressure, General(S.PressIn));
        put(Field::PressureUnit, S.PressUnitIn);
        put(Field::AtmosphericPressure, General(S.AtmoPressIn));
        put(Field::AtmosphericPressureUnit, S.AtmoPressUnitIn);
        put(Field::PressureReference, General(S.PressRefIn));
        put(Field::PressureReferenceUnit, S.PressRefUnitIn);
        put(Field::TemperatureReference, General(S.TempRefIn));
        put(Field::TemperatureReferenceUnit, S.TempRefUnitIn);
        put(Field::ViscosityA, General(S.ViscCoefA));
        put(Field::ViscosityB, General(S.ViscCoefB));
        put(Field::OtherGasName, S.OtherMediaName);
    } else {
        put(Field::FlowRate, General(S.LqdFlowRateIn));
        put(Field::FlowUnit, S.LqdFlowUnit);
        put(Field::Density, General(S.LqdDensityIn));
        put(Field::DensityUnit, S.LqdDensUnit);
        put(Field::Viscosity, General(S.LqdViscIn));
        put(Field::ViscosityUnit, S.LqdViscUnit);
    }
}

}  // namespace quorin::tags
