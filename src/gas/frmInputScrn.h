// The gas/steam input screen: the user describes the case; every entry is
// written into the case record at once and its conversion chain runs.
#pragma once

#include <optional>

#include "shell/FieldEvents.h"
#include "shell/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class WarningStrip;

class frmInputScrn : public Form {
public:
    static constexpr const char* kName = "frmInputScrn";
    frmInputScrn();

    void onTitleBarClose() override { close_(); }
    void commitFocusedField() override { events_->commitFocused(); }

private:
    void createControls();
    void createMenus();
    void createEventTable();

    // Writes every box and list from the case record.
    void refresh();
    void refreshReference();
    void showOtherGasLabels();
    void showOtherGasLabels(bool other);
    // The plausibility warnings of the case as it stands.
    void refreshWarnings();
    // Types the saturation temperature into the temperature box and
    // presses Enter there.
    void useSaturationTemperature();

    // Chains of the event table.
    void flowChanged();
    void pressureBox(Trigger trigger);
    void pressureUnit(Trigger trigger);
    void pressureCheck();
    void pressureChain();

    // Commands.
    void findMeter();
    void openFile();
    // Shows the case the record holds after an Open, as if the user had
    // entered it (the tag-list window opens a tag with it: "actShowCase").
    void showOpenedCase();
    void setDefaults();
    void close_();

    FieldEvents* events_;
    QLineEdit *txtCustomerIn, *txtTagNoIn, *txtFlowRateIn, *txtPipeSizeIn, *txtPressIn,
        *txtTempIn, *txtAtmoPressIn, *txtPressRefIn, *txtTempRefIn;
    QComboBox *cboFlowUnitIn, *cboPipeUnitIn, *cboPressUnitIn, *cboTempUnitIn,
        *cboAtmoPressUnitIn, *cboMediaIn, *cboPressRefUnitIn, *cboTempRefUnitIn;
    QLabel *lblOther, *lblNewMedia;
    QPushButton *cmdCalcFlow, *cmdClose;
    WarningStrip* warnings_;
    std::optional<float> saturationTemp_;  // the fix the warnings offer
};

}  // namespace quorin
