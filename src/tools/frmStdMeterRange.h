// The standard meter range chart: the fixed gas/steam or liquid chart, or
// the liquid chart computed for the entered case. It unloads itself as soon
// as another window becomes active.
#pragma once

#include "shell/Form.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorin {

struct RangeChartView;

class frmStdMeterRange : public Form {
public:
    static constexpr const char* kName = "frmStdMeterRange";
    frmStdMeterRange();

    // The title-bar close and another window becoming active do what Close
    // does.
    void onTitleBarClose() override { close_(); }
    void onDeactivated() override { close_(); }

private:
    void show(const RangeChartView& view);
    // Unloads the chart and re-arranges the windows.
    void close_();

    // Six columns side by side, row k of each belonging to the same meter.
    QListWidget *lstMeter, *lstDescription, *lstMinFlow, *lstMaxFlow, *lstMinSteam, *lstMaxSteam;
    QLabel* lblRef;
    QPushButton* cmdClose;
};

}  // namespace quorin
