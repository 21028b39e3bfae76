// The averaging-tube data file (the 37 values of a case in the list format)
// and the case's reports: the text file and the printed page.
//
// Opening is all or nothing: the file is read into a copy of the case, and
// the copy is taken only when all 37 values read correctly. A file that
// cannot be read changes nothing. Neither the reports nor the open routine
// recalculate anything.
#pragma once

#include <array>
#include <string>

#include "reports/Files.h"
#include "reports/Page.h"

namespace quorin {

// TubeDataFile <- the 37 values (CR LF lines).
FileError modnrvSaveInData();
// TubeDataFile -> the 37 values.
FileError modnrvOpenInData();
// The open routine on the bytes of a file already read.
FileError takeNorvaneDataFile(std::string bytes);
// The bytes the save routine writes.
std::string norvaneDataFileBytes();

// What both reports print: the case and its results as the record holds
// them, the three operating cases in the order maximum, normal, minimum.
struct NorvaneReport {
    std::string Cust, CustRef, PrepBy, DateText, TagNo, RevNo;
    std::string FluidState, Fluid;
    bool liquid = false, steam = false;  // the fluid state's rows
    float LineSize = 0;
    std::string LineSch, LineMat;
    float LineId = 0, LineWall = 0, LineOd = 0;
    std::string LineOrient, FlowDir;
    double FlowCoe = 0, Bfactor = 0;
    float CpCv = 0, MolW = 0, SpecGrav = 0, BaseTemp = 0, BasePress = 0;
    std::string FlowUnit, TempUnit, PressUnit;
    std::array<float, 3> flowRate{}, temp{}, press{}, comp{}, vel{};
    std::array<double, 3> dens{}, thermExpCor{}, gasExpCor{}, dp{};
};

// The report of the case in the record; reads it, writes nothing.
NorvaneReport norvaneReport();

// The report text (Windows-1252, CR LF); `today` is MM-DD-YYYY.
std::string norvaneReportText(const NorvaneReport& report, const std::string& today);
// The printed one-page report.
Page norvanePage(const NorvaneReport& report);

// The screen's commands: the text report of the record's case written to
// TubeTextFile, and its printed page.
FileError modnrvTextFileSave(const std::string& today);
Page modnrvPrintResults();

}  // namespace quorin
