// Averaging-tube line sizes and the pipe chart, from one table of
// carbon-steel pipe: Schedule 40 from 1/2 to 12 inch and Standard weight
// (0.375 in wall) from 14 to 72 inch.
#include "norvane/LineSizes.h"

#include <cmath>
#include <iterator>

#include "norvane/NorvaneCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

constexpr LineSize kSchedule40[] = {
    {0.5f, 0.622f, 0.109f, ".840"}, {0.75f, 0.824f, 0.113f, "1.050"}, {1, 1.049f, 0.133f},
    {1.25f, 1.38f, 0.14f},          {1.5f, 1.61f, 0.145f},            {2, 2.067f, 0.154f},
    {2.5f, 2.469f, 0.203f},         {3, 3.068f, 0.216f},              {3.5f, 3.548f, 0.226f},
    {4, 4.026f, 0.237f},            {6, 6.065f, 0.28f},               {8, 7.981f, 0.322f},
    {10, 10.02f, 0.365f},           {12, 11.938f, 0.406f},
};
// Standard weight from 14 inch up: ID = nominal - 2 x 0.375.
constexpr float kStdWall = 0.375f;
constexpr float kStdSizes[] = {14, 16, 18, 20, 22, 24, 26, 28, 30,
                               32, 34, 36, 42, 48, 54, 60, 72};

// A figure without the zero before the point: "0.50" -> ".50".
std::string withoutLeadingZero(std::string text) {
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
    return text;
}

// The chart's figure: three decimals at most, no trailing zero, no zero
// before the point (0.28 -> ".28", 4.5 -> "4.5", 14 -> "14").
std::string chartFigure(float value) {
    std::string text = Format(value, "0.000");
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return withoutLeadingZero(text);
}

// The nominal size in whole inches and quarters: "1/2", "1-1/4", "6".
std::string fractionName(float nominal) {
    static const char* const kQuarters[] = {"", "1/4", "1/2", "3/4"};
    const int quarters = int(std::lround(double(nominal) * 4));
    const int whole = quarters / 4;
    const char* part = kQuarters[quarters % 4];
    if (whole == 0) return part;
    return std::to_string(whole) + (*part ? std::string("-") + part : std::string());
}

// The outside diameter of an inside diameter and a wall, as a 32-bit value.
float outsideDiameter(float id, float wall) { return single(double(id) + 2 * double(wall)); }

}  // namespace

float LineSize::od() const { return outsideDiameter(id, wall); }

const std::vector<LineSize>& lineSizes() {
    static const std::vector<LineSize> rows = [] {
        std::vector<LineSize> v(std::begin(kSchedule40), std::end(kSchedule40));
        for (float n : kStdSizes) v.push_back({n, n - 2 * kStdWall, kStdWall});
        return v;
    }();
    return rows;
}

const std::vector<PipeChartRow>& pipeChartRows() {
    static const std::vector<PipeChartRow> rows = [] {
        std::vector<PipeChartRow> v;
        for (const LineSize& p : lineSizes()) {
            const std::string schedule = nrvScheduleFor(p.nominal);
            v.push_back({p, fractionName(p.nominal), chartFigure(p.id),
                         p.publishedOd ? p.publishedOd : chartFigure(p.od()),
                         chartFigure(p.wall), schedule == "40" ? "Sch 40" : schedule});
        }
        return v;
    }();
    return rows;
}

const PipeChartRow* pipeChartRow(std::string_view name) {
    for (const PipeChartRow& row : pipeChartRows())
        if (row.name == name) return &row;
    return nullptr;
}

void loadPipeChart() {
    auto& S = shared();
    // (A new string, not a one-letter literal: GCC 12 warns wrongly about
    // the literal's copy.)
    S.PipeChartSize = std::string("6");
    const LineSize& six = pipeChartRow(S.PipeChartSize)->size;
    S.PipeChartId = six.id;
    S.PipeChartOd = six.od();
    S.PipeChartWall = six.wall;
}

const std::vector<std::string>& nrvLineSizeTexts() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> v;
        for (const LineSize& p : lineSizes())
            v.push_back(withoutLeadingZero(Format(p.nominal, "0.00")));
        return v;
    }();
    return list;
}

std::string nrvLineSizeText(float size) {
    for (const std::string& entry : nrvLineSizeTexts()) {
        float value = 0;
        if (parseSingle(entry, value) && value == size) return entry;
    }
    return General(size);
}

void modnrvLoadPipeTbl() {
    auto& S = shared();
    int row = 1;
    for (const LineSize& p : lineSizes()) S.PipeTbl[row++] = {0, p.nominal, p.id, p.wall};
}

void modnrvPipeTbl() {
    auto& S = shared();
    for (int row = 1; row < int(S.PipeTbl.size()); ++row) {
        // The rows left empty are not a size.
        if (S.PipeTbl[row][1] != 0 && S.PipeTbl[row][1] == S.LineSize) {
            S.LineId = S.PipeTbl[row][2];
            S.LineWall = S.PipeTbl[row][3];
        }
    }
    nrvLineOd();
}

void nrvLineOd() {
    auto& S = shared();
    S.LineOd = outsideDiameter(S.LineId, S.LineWall);
}

std::string nrvScheduleFor(float lineSize) { return lineSize < 14 ? "40" : "STD"; }

}  // namespace quorin
