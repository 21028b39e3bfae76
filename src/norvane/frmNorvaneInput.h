// The averaging-tube (Norvane) screen: the line, the fluid and three
// operating cases (maximum, normal, minimum) in one window. Every entry is
// written into the case record at once, its part of the calculation chain
// runs and every result box on the screen is rewritten from the record; there
// is no separate results screen. The layout follows the fluid state: gas,
// steam or liquid.
#pragma once

#include <QHash>

#include <array>
#include <functional>

#include "norvane/NorvaneCalc.h"
#include "shell/FieldEvents.h"
#include "shell/Form.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorin {

class frmNorvaneInput : public Form {
public:
    static constexpr const char* kName = "frmNorvaneInput";
    frmNorvaneInput();
    ~frmNorvaneInput() override;

    void onTitleBarClose() override { close_(); }
    void commitFocusedField() override { events_->commitFocused(); }

private:
    // The boxes of one operating case, a column of the flow-data grid.
    struct CaseColumn {
        NrvCase which;
        QLineEdit *flowRate, *temp, *press, *dens, *comp, *thermExpCor, *gasExpCor, *vel, *dp;
        QLabel* mps;
    };
    using Next = std::function<QWidget*()>;
    // The handler of the selectControl hook while this screen is loaded.
    struct SelectHandler {
        frmNorvaneInput* form;
        void operator()(const std::string& name) const { form->selectRequested(name); }
    };

    void createControls();
    void layoutControls();
    QWidget* layoutHeader();
    QWidget* layoutApplication();
    QWidget* layoutFlowData();
    void createMenus();
    void createEventTable();

    // A row of the event table: `commit` stores the control and runs its
    // chain, returning false when the entry was refused; Enter then moves
    // to `next` unless the calculation asked for a box of its own.
    void addRow(QWidget* control, std::function<bool(Trigger)> commit, Next next);
    // A number box: the value, then `chain`, then the screen.
    void addNumber(QLineEdit* box, float& field, std::function<void()> chain, Next next);
    // A text box of the header or the line.
    void addText(QLineEdit* box, std::string& field, QWidget* next);
    // Gives `control` the focus with its whole text selected; a control
    // that is hidden or disabled passes it on along the Enter chain.
    void moveTo(QWidget* control);
    // The calculation's request to select a box (selectControl hook).
    void selectRequested(const std::string& name);
    void selectBox(QWidget* control);

    // Writes every box, list text and caption from the case record.
    void refresh();
    // The boxes, labels and hints of a fluid state.
    void showLayout(NrvState state);
    // The fluid list (emptied, then the gases for a gas) and the flow-unit
    // list (emptied, then the state's units); the fluid box is disabled for
    // steam.
    void fillLists(NrvState state);
    void showFlowDirection();
    // The box's shown text, written only when it differs, so a selection or
    // a cursor the user placed stays.
    void put(QLineEdit* box, const std::string& text);
    void put(QComboBox* list, const std::string& text);

    // Commits of the event table.
    bool fluidStateBox();
    bool fluidBox();
    bool lineSizeBox();
    bool lineOrientBox(Trigger trigger);
    bool flowUnitBox();
    bool lineDimension(QLineEdit* box, float& field, bool inside);
    bool molWeightBox();
    QWidget* afterOrientation() const;
    QWidget* afterFlowDirection() const;
    QWidget* afterMinimumPressure() const;

    // Commands.
    void loadDefaults();
    void openFile();
    void close_();
    void changeWorkflow(const char* sizingType);

    FieldEvents* events_;
    std::function<void(const std::string&)> previousSelectHook_;
    QWidget* selected_ = nullptr;  // the box the calculation asked for
    QHash<QWidget*, Next> nextOf_;

    QLineEdit *txtCust, *txtCustRef, *txtPrepBy, *txtDate, *txtTagNo, *txtRevNo;
    QComboBox *cboFluidState, *cboFluid, *cboLineSize, *cboLineOrient, *cboFlowDir;
    QLineEdit *txtLineSch, *txtLineMat, *txtID, *txtWall, *txtOd, *txtFlowDir;
    QLineEdit *txtFlowCoe, *txtBfactor, *txtMolW, *txtSpecGrav, *txtCpCv, *txtBaseTemp,
        *txtBasePress;
    QLabel *lblMolW, *lblLiquidDensity, *lblMWair, *lblMWwater, *lblBfactor, *lblSpecGrav, *lblCpCv,
        *lblBaseTempC, *lblBasePressKg, *lblBbl, *lblComp, *lblGasExpCor;
    QComboBox *cboFlowUnit, *cboTempUnit, *cboPressUnit;
    std::array<CaseColumn, 3> columns_;  // Minimum, Normal, Maximum
    QPushButton* cmdClose;
};

}  // namespace quorin
