// What the two results screens have in common: the case as read-only boxes
// in captioned rows, the flow in several units, the fitting meters with their
// ranges (as lists and as a range picture under them), the notes, and the
// Print, Save and Close buttons. The meters, the picture and the notes come
// first, so a tiled window shows the answer without scrolling.
#pragma once

#include <QHash>
#include <QString>

#include <span>
#include <string>
#include <vector>

#include "shell/Form.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorin {

class WarningStrip;
class RangePictureView;
struct RangePicture;

class ResultsForm : public Form {
protected:
    struct CaseRow {
        const char* label;    // object name of the caption
        const char* caption;
        std::vector<const char*> boxes;
    };
    struct FlowRow {
        QLabel* label;
        const char* box;
    };
    // Captions and tool-tips of the meter and note lists.
    struct ListCaptions {
        const char *meter, *min, *max, *errors;
        const char *meterTip, *minTip, *maxTip, *errorsTip;
    };

    ResultsForm(const char* name, const QString& caption);

    // Builds every control and lays the screen out; `heading` may be null.
    void build(QLabel* heading, std::span<const CaseRow> caseRows,
               std::span<const FlowRow> flowRows, const ListCaptions& lists);
    // A read-only box of the case or flow rows, by name.
    QLineEdit* box(const char* name) const { return boxes_.value(name); }
    // Writes a box; the box widens to show its whole text.
    void setBoxText(const char* name, const std::string& text);
    // The range unit over both columns, then the three parallel lists and the
    // notes.
    void showMeters(const std::string& minUnit, const std::string& maxUnit,
                    const std::vector<std::string>& meters,
                    const std::vector<std::string>& flowLow,
                    const std::vector<std::string>& flowHi,
                    const std::vector<std::string>& errors);
    // The range picture under the meter lists.
    void showPicture(RangePicture picture);
    // The "Picture" drop-down: Copy Picture (Ctrl+Shift+C) puts the picture on
    // the clipboard as an image, Save Picture… writes it as a PNG file.
    void addPictureMenu();

    QListWidget *lstMeter = nullptr, *lstFlowLow = nullptr, *lstFlowHi = nullptr,
                *lstErrorBox = nullptr;
    QLabel *lblMinUnit = nullptr, *lblMaxUnit = nullptr;
    WarningStrip* warningStrip = nullptr;  // the case's warnings, over the notes
    QPushButton *cmdPrint = nullptr, *cmdSave = nullptr, *cmdClose = nullptr;
    RangePictureView* picRange = nullptr;

private:
    QLineEdit* addBox(const char* name);
    void savePicture();

    std::string pictureFile_;  // the last file Save Picture… wrote

    QHash<QString, QLineEdit*> boxes_;
};

}  // namespace quorin
