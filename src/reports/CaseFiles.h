// The case files of the two vortex workflows: the entries of a gas/steam
// case (22 values) or of a liquid case (14 values) in the list format.
//
// Opening is all or nothing: the file is read into a copy of the case, and
// the copy is taken only when every value read correctly. A file that cannot
// be read changes nothing.
#pragma once

#include <string>

#include "reports/Files.h"

namespace quorin {

// InputFileName <- the gas/steam entries; also sets OtherMediaFlag (medium
// "OTHER" in any case).
FileError modSaveInputData();
// InputFileName -> the gas/steam entries and the medium constants
// (SpecGravity, ViscCoefA, ViscCoefB, OtherMediaFlag, OtherMediaName).
FileError modOpenInputData();
// LqdInputFileName <- the liquid entries.
FileError modLqdSaveInputData();
// LqdInputFileName -> the liquid entries.
FileError modLqdOpenInputData();

// The open routines on the bytes of a file already read, all or nothing as
// well.
FileError takeGasCaseFile(std::string bytes);
FileError takeLiquidCaseFile(std::string bytes);

// The bytes the save routines write, for tests and tools.
std::string gasCaseFileBytes();
std::string liquidCaseFileBytes();

}  // namespace quorin
