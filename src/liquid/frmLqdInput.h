// The liquid input screen: the user describes a liquid case; every entry is
// written into the case record at once and its conversions run. Density or
// specific gravity is entered after choosing which, and only where the
// viscosity unit is a dynamic one.
#pragma once

#include <optional>

#include "shell/FieldEvents.h"
#include "shell/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorin {

class WarningStrip;

class frmLqdInput : public Form {
public:
    static constexpr const char* kName = "frmLqdInput";
    frmLqdInput();

    void onTitleBarClose() override { close_(); }
    void commitFocusedField() override { events_->commitFocused(); }

private:
    void createControls();
    void layoutControls();
    void createMenus();
    void createEventTable();

    // Writes every box and list from the case record.
    void refresh();
    // Neither density nor specific gravity chosen: both entries disabled.
    void clearDensityChoice();
    // The plausibility warnings of the case as it stands.
    void refreshWarnings();

    // Chains of the event table.
    void viscosityBox(Trigger trigger);
    void viscosityUnit(Trigger trigger);
    void showViscosityKind();
    void densityChanged();
    void densityChain();
    void gravityChanged(Trigger trigger);
    void chooseDensity();
    void chooseGravity();

    // Commands.
    void findMeter();
    void openFile();
    // Shows the case the record holds after an Open, as if the user had
    // entered it (the tag-list window opens a tag with it: "actShowCase").
    void showOpenedCase();
    void setDefaults();
    void close_();
    // Unloads this screen and its results and shows the intro screen; a new
    // workflow choice (`sizingType`) is recorded first.
    void changeWorkflow(const char* sizingType);

    FieldEvents* events_;
    // The viscosity before the user began typing in its box; empty while
    // the box holds an accepted entry.
    std::optional<double> viscBefore_;
    QLineEdit *txtCustomerIn, *txtTagNoIn, *txtMediaIn, *txtFlowRateIn, *txtPipeSizeIn,
        *txtTempIn, *txtViscIn, *txtDensityIn, *txtSpecGravIn;
    QComboBox *cboFlowUnit, *cboPipeUnit, *cboTempUnit, *cboViscUnit, *cboDensUnit;
    QLabel* ViscLabel;
    QGroupBox* fraMedia;
    QRadioButton *optDens, *optSpecGrav;
    QPushButton *cmdCalcFlow, *cmdClose;
    WarningStrip* warnings_;
};

}  // namespace quorin
