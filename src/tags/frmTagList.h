// The tag-list window: a project's list of flow tags, every tag sized, in a
// table that sorts by any column and filters on any text, with the status of
// each tag in colour and a count line. A tag opens in its workflow's input
// screen; from there the case goes back into its row or is added as a new
// one. The list is saved as CSV, its results exported as CSV or a workbook
// and its reports as one PDF. Closing it with unsaved changes asks first.
#pragma once

#include <QPointer>

#include <string>
#include <vector>

#include "shell/Form.h"
#include "tags/TagList.h"

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace quorin {

class TagTableModel;

class frmTagList : public Form {
public:
    static constexpr const char* kName = "frmTagList";
    frmTagList();

    void onTitleBarClose() override { close_(); }
    bool mayUnload() override;

protected:
    // Ctrl+C in the table copies the selected tag instead of closing.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    // The selected tag's texts, one cell per column, tab-separated.
    void copySelectedTag();
    // The meters column as wide as its texts where the window has room,
    // narrower (the whole text in its tool-tip) so the status stays in view.
    void fitMetersColumn();
    void createMenus();

    // Commands.
    void openList();
    void newList();
    bool save();
    bool saveAs();
    void exportResults();
    void exportReports();
    void close_();
    // Opens the tag of the list's row `row` in its workflow's input screen.
    void openTag(int row);
    // "Update Tag in List" and "Add Current Case to Tag List" of the input
    // screens: the case in the record goes into its row, or a new one.
    void updateTag();
    void addCase();

    // Shows a list read from `path` ("" for a new one), every row sized.
    void setList(tags::TagList list, std::string path);
    // Sizes one row again and shows it; the case record stays as it was.
    void resize(int row);
    void setModified(bool modified);
    void showCaption();
    void showCounts();

    tags::TagList list_;
    std::vector<tags::Result> results_;
    std::string path_;
    bool modified_ = false;
    // Loaded for an Open and nothing shown yet: a cancelled Open closes it.
    bool fresh_ = true;
    // The row opened in each workflow's input screen, and that screen.
    int openRow_[2] = {-1, -1};
    int metersWidth_ = 0;  // the meters column's width for its texts
    QPointer<QWidget> openedIn_[2];

    TagTableModel* model_;
    QSortFilterProxyModel* proxy_;
    QLineEdit* txtFilter;
    QTableView* tblTags;
    QLabel* lblCounts;
};

}  // namespace quorin
