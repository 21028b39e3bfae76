// The tag-list window's wiring: opening a list from the menus, the counts and
// a status colour, a tag opening in its workflow's screen, Update Tag and Add
// Current Case, the unsaved-changes question and the PDF of all reports. The
// sizing itself is the core tests'.
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>

#include "support/FormTest.h"
#include "tags/TagTableModel.h"

namespace quorin::test {
namespace {

// Two tags that size and one whose flow is no number (line 4).
const char* const kList =
    "Workflow,Tag Number,Media,Flow Rate,Flow Unit,Pipe Size,Pipe Unit,Pressure,Pressure Unit,"
    "Temperature,Temperature Unit,Service\r\n"
    "Gas/Steam,FT-101,AIR,100,SCFM,2,INCHES,100,PSIG,70,deg F,Plant air\r\n"
    "Liquid,FT-201,WATER,50,GPM,2,INCHES,,,70,deg F,Cooling water\r\n"
    "Gas/Steam,FT-102,AIR,abc,SCFM,2,INCHES,100,PSIG,70,deg F,Bad flow\r\n";

class TagListScreen : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        seams().chooseFile = [this](const FileRequest&) {
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
        seams().askSave = [this](const QString&) {
            ++questions;
            return answer;
        };
        QFile file(dir.filePath("tags.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kList);
    }
    void TearDown() override {
        answer = SaveAnswer::Discard;
        UiTest::TearDown();
    }
    // Runs a menu item of `form` ("" for the parent window).
    void run(const char* form, const char* item) {
        QObject* owner = *form ? Shell::instance().find(form) : static_cast<QObject*>(parent.get());
        ASSERT_NE(owner, nullptr) << form;
        QAction* action = owner->findChild<QAction*>(item);
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        settle();
    }
    void openList() {
        answers = {dir.filePath("tags.csv")};
        run("", "mnuOpenTagList");
        ASSERT_TRUE(Shell::instance().isLoaded("frmTagList"));
    }
    QTableView* table() const { return control<QTableView>("frmTagList", "tblTags"); }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const {
        return table()->model()->index(row, column).data(role);
    }
    QString box(const char* form, const char* name) const { return control<QLineEdit>(form, name)->text(); }

    QTemporaryDir dir;
    QStringList answers;
    SaveAnswer answer = SaveAnswer::Cancel;
    int questions = 0;
};

TEST_F(TagListScreen, OpenShowsEveryTagWithItsStatusInColourAndTheCounts) {
    openList();
    EXPECT_EQ(table()->model()->rowCount(), 3);
    EXPECT_TRUE(control<QLabel>("frmTagList", "lblCounts")->text().startsWith("3 tags: "));
    EXPECT_TRUE(control<QLabel>("frmTagList", "lblCounts")->text().endsWith(", 1 error"));
    EXPECT_EQ(cell(2, TagTableModel::Status).toString(), "Error");
    EXPECT_EQ(cell(2, TagTableModel::Status, Qt::BackgroundRole).value<QBrush>().color(), QColor(0xffc7ce));
    EXPECT_TRUE(cell(2, TagTableModel::Status, Qt::ToolTipRole).toString().startsWith("line 4"));
    // The filter keeps the rows that hold its text.
    control<QLineEdit>("frmTagList", "txtFilter")->setText("ft-2");
    EXPECT_EQ(table()->model()->rowCount(), 1);
}

// Enter opens the gas tag, a double-click the liquid one in place of it; a
// bad row opens with the start-up value where its cell cannot be read.
// The sample list of the examples: every tag sized, the counts of each
// status.
TEST_F(TagListScreen, TheSampleListOpensWithItsCounts) {
    answers = {QFileInfo(QString(__FILE__) + "/../../../examples/tags-sample.csv").absoluteFilePath()};
    run("", "mnuOpenTagList");
    EXPECT_EQ(control<QLabel>("frmTagList", "lblCounts")->text(),
              "12 tags: 9 fit, 1 with notes, 1 no meter, 1 error");
}

// Ctrl+C in the table copies the selected tag's texts, tab-separated, as a
// spreadsheet does; the window stays.
TEST_F(TagListScreen, CtrlCInTheTableCopiesTheSelectedTag) {
    openList();
    table()->setFocus(Qt::MouseFocusReason);
    table()->selectRow(1);
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("FT-201\tLiquid\tWATER\t50 GPM\t"));
    EXPECT_TRUE(Shell::instance().isLoaded("frmTagList"));
}

// In a window too narrow for every text the meters column gives way, so
// the status stays in view.
TEST_F(TagListScreen, TheStatusStaysInViewInANarrowWindow) {
    openList();
    QTableView* t = table();
    const int meters = t->columnWidth(TagTableModel::Meters);
    auto statusEnd = [t] {
        return t->columnViewportPosition(TagTableModel::Status) + t->columnWidth(TagTableModel::Status);
    };
    const int wanted = statusEnd();
    QWidget* window = Shell::instance().find("frmTagList");
    window->resize(window->width() - t->viewport()->width() + wanted - meters / 3, window->height());
    settle();
    EXPECT_LE(statusEnd(), t->viewport()->width());
}

TEST_F(TagListScreen, ATagOpensInItsWorkflowScreenWithItsCase) {
    openList();
    table()->setFocus();
    table()->setCurrentIndex(table()->model()->index(0, 0));
    QTest::keyClick(table(), Qt::Key_Return);
    settle();
    EXPECT_EQ(box("frmInputScrn", "txtTagNoIn"), "FT-101");

    // A double-click is a click and then the second press.
    const QRect liquid = table()->visualRect(table()->model()->index(1, 0));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, liquid.center());
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, liquid.center());
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmInputScrn"));
    EXPECT_EQ(box("frmLqdInput", "txtTagNoIn"), "FT-201");

    emit table()->activated(table()->model()->index(2, 0));
    settle();
    EXPECT_EQ(box("frmInputScrn", "txtFlowRateIn"), "1600");
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().text.endsWith("start-up values for: Flow Rate."))
        << messages.back().text.toStdString();
}

TEST_F(TagListScreen, UpdateTagChangesItsRowAndAddAppendsTheCase) {
    openList();
    emit table()->activated(table()->model()->index(0, 0));
    settle();
    auto* flow = control<QLineEdit>("frmInputScrn", "txtFlowRateIn");
    flow->setFocus();
    flow->selectAll();
    QTest::keyClicks(flow, "250");
    run("frmInputScrn", "mnuUpdateTag");
    EXPECT_EQ(cell(0, TagTableModel::Flow).toString(), "250 SCFM");
    EXPECT_TRUE(Shell::instance().find("frmTagList")->windowTitle().endsWith(" *"));
    run("frmInputScrn", "mnuAddToTagList");
    EXPECT_EQ(table()->model()->rowCount(), 4);
    EXPECT_EQ(cell(3, TagTableModel::Tag).toString(), "FT-101");
}

TEST_F(TagListScreen, ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow) {
    openList();
    run("frmTagList", "mnuClose");
    EXPECT_EQ(questions, 0);
    openList();
    emit table()->activated(table()->model()->index(0, 0));
    settle();
    run("frmInputScrn", "mnuAddToTagList");
    run("frmTagList", "mnuClose");
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(Shell::instance().isLoaded("frmTagList"));
    Shell::instance().exitProgram();
    EXPECT_EQ(questions, 2);
    EXPECT_FALSE(Shell::instance().exiting());
    answer = SaveAnswer::Discard;
    run("frmTagList", "mnuClose");
    EXPECT_FALSE(Shell::instance().isLoaded("frmTagList"));
}

TEST_F(TagListScreen, PdfOfAllReportsHasAPagePerSizedTagAndACancelLeavesNoFile) {
    openList();
    const QString pdf = dir.filePath("reports.pdf");
    answers = {pdf};
    run("frmTagList", "mnuExportReports");
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString pages = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(pages.contains(QRegularExpression("Pages:\\s+2\n")));

    QFile::remove(pdf);
    seams().showProgress = [](QProgressDialog& dialog) { dialog.cancel(); };
    answers = {pdf};
    run("frmTagList", "mnuExportReports");
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace quorin::test
