// The whole calculation API of the sizing program in one include.
#pragma once

#include "gas/GasCalc.h"
#include "gas/MediaTable.h"
#include "gas/Results.h"
#include "liquid/LiquidCalc.h"
#include "liquid/Results.h"
#include "reports/CaseFiles.h"
#include "reports/Files.h"
#include "reports/ListFile.h"
#include "reports/Page.h"
#include "reports/PrintFile.h"
#include "reports/ResultsText.h"
#include "state/Hooks.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"
