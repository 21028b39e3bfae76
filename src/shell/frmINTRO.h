// The intro screen: the banner and the meter picture, with the buttons that
// pick a sizing workflow or end the program laid over the picture.
//
// Choosing a workflow unloads this screen, records the choice in
// SizingType and shows that workflow's input screen.
#pragma once

#include "shell/Form.h"

class QLabel;
class QPushButton;

namespace quorin {

class frmINTRO : public Form {
public:
    static constexpr const char* kName = "frmINTRO";

    frmINTRO();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createPictures();
    void createButtons();
    void createMenus();
    void layoutPictures();
    void layoutButtons();

    QLabel* Image3;
    QLabel* Image1;
    QPushButton* cmdGasSteam;
    QPushButton* cmdLiquid;
    QPushButton* cmdNorvane;
    QPushButton* cmdQuit;
};

}  // namespace quorin
