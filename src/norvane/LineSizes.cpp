// Averaging-tube line sizes: carbon-steel pipe, Schedule 40 from 1/2 to 12
// inch and Standard weight (0.375 in wall) from 14 to 72 inch.
#include "norvane/NorvaneCalc.h"
#include "state/SharedState.h"
#include "state/Single.h"

namespace quorin {

namespace {

struct PipeRow {
    float nominal, id, wall;
};

constexpr PipeRow kSchedule40[] = {
    {0.5f, 0.622f, 0.109f}, {0.75f, 0.824f, 0.113f}, {1, 1.049f, 0.133f},
    {1.25f, 1.38f, 0.14f},  {1.5f, 1.61f, 0.145f},   {2, 2.067f, 0.154f},
    {2.5f, 2.469f, 0.203f}, {3, 3.068f, 0.216f},     {3.5f, 3.548f, 0.226f},
    {4, 4.026f, 0.237f},    {6, 6.065f, 0.28f},      {8, 7.981f, 0.322f},
    {10, 10.02f, 0.365f},   {12, 11.938f, 0.406f},
};
// Standard weight from 14 inch up: ID = nominal - 2 x 0.375.
constexpr float kStdSizes[] = {14, 16, 18, 20, 22, 24, 26, 28, 30,
                               32, 34, 36, 42, 48, 54, 60, 72};

}  // namespace

const std::vector<std::string>& nrvLineSizeTexts() {
    static const std::vector<std::string> list = {
        ".50",   ".75",   "1.00",  "1.25",  "1.50",  "2.00",  "2.50",  "3.00",
        "3.50",  "4.00",  "6.00",  "8.00",  "10.00", "12.00", "14.00", "16.00",
        "18.00", "20.00", "22.00", "24.00", "26.00", "28.00", "30.00", "32.00",
        "34.00", "36.00", "42.00", "48.00", "54.00", "60.00", "72.00"};
    return list;
}

void modnrvLoadPipeTbl() {
    auto& S = shared();
    int row = 1;
    for (const PipeRow& p : kSchedule40) S.PipeTbl[row++] = {0, p.nominal, p.id, p.wall};
    for (float n : kStdSizes) S.PipeTbl[row++] = {0, n, n - 0.75f, 0.375f};
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
    S.LineOd = single(double(S.LineId) + 2 * double(S.LineWall));
}

std::string nrvScheduleFor(float lineSize) { return lineSize < 14 ? "40" : "STD"; }

}  // namespace quorin
