// The averaging-tube (Norvane) screen: the line, the fluid and three
// operating cases (maximum, normal, minimum) in one window. Every entry is
// written into the case record at once, its part of the calculation chain
// runs and every result box on the screen is rewritten from the record; there
// is no separate results screen. The layout follows the fluid state: gas,
// steam or liquid.
#pragma once

#include <string>

#include "norvane/NorvaneCalc.h"
#include "norvane/NrvCaseColumn.h"
#include "shell/FieldEvents.h"
#include "shell/Form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class frmNorvaneInput : public Form {
public:
    static constexpr const char* kName = "frmNorvaneInput";
    frmNorvaneInput();

    void onTitleBarClose() override { close_(); }
    void commitFocusedField() override { events_->commitFocused(); }

private:
    void createControls();
    void layoutControls();
    QWidget* layoutHeader();
    QWidget* layoutApplication();
    void createMenus();
    void createEventTable();

    // Writes every box, list text and caption from the case record.
    void refresh();
    // The boxes, labels and hints of a fluid state.
    void showLayout(NrvState state);
    // The fluid list (emptied, then the gases for a gas) and the flow-unit
    // list (emptied, then the state's units); the fluid box is disabled for
    // steam.
    void fillLists(NrvState state);
    void showFlowDirection();
    // The list's shown text, written only when it differs, so a selection
    // or a cursor the user placed stays.
    void put(QComboBox* list, const std::string& text);

    // Commits of the event table; false when the entry was not taken.
    bool fluidStateBox();
    bool lineSizeBox();
    void lineOrientBox(Trigger trigger);
    void flowUnitBox();

    // Commands.
    void loadDefaults();
    void openFile();
    void close_();
    void changeWorkflow(const char* sizingType);

    FieldEvents* events_;

    QLineEdit *txtCust, *txtCustRef, *txtPrepBy, *txtDate, *txtTagNo, *txtRevNo;
    QComboBox *cboFluidState, *cboFluid, *cboLineSize, *cboLineOrient, *cboFlowDir;
    QLineEdit *txtLineSch, *txtLineMat, *txtID, *txtWall, *txtOd, *txtFlowDir;
    QLineEdit *txtFlowCoe, *txtBfactor, *txtMolW, *txtSpecGrav, *txtCpCv, *txtBaseTemp,
        *txtBasePress;
    QLabel *lblMolW, *lblLiquidDensity, *lblMWair, *lblMWwater, *lblBfactor, *lblSpecGrav, *lblCpCv,
        *lblBaseTempC, *lblBasePressKg, *lblBbl;
    QComboBox *cboFlowUnit, *cboTempUnit, *cboPressUnit;
    NrvFlowData flowData_;
    QPushButton* cmdClose;
};

}  // namespace quorin
