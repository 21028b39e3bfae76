// The file and print commands of the four vortex screens: what each asks the
// dialogs, what it writes or reads, and what the screen shows afterwards.
// The files' bytes and the messages' texts are the core tests'.
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <sstream>

#include "batch/Batch.h"
#include "support/CoreFixture.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

// File dialogs answer with the next of `answers` ("" cancels) and record
// what they were asked.
class FileCommands : public FormTest {
protected:
    using FormTest::FormTest;
    void SetUp() override {
        FormTest::SetUp();
        seams().chooseFile = [this](const FileRequest& r) {
            requests.push_back(r);
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
    }
    QString path(const char* name) const { return dir.filePath(name); }
    std::string contents(const char* name) const { return readFile(path(name).toStdString()); }
    // Triggers a menu item; a file dialog it opens answers `file` ("" cancels).
    void trigger(const char* form, const char* item, const char* file = nullptr) {
        if (file) answers = {*file ? path(file) : QString()};
        menuItem(item, form)->trigger();
        settle();
    }

    QTemporaryDir dir;
    QStringList answers;
    std::vector<FileRequest> requests;
};

struct GasFiles : FileCommands { GasFiles() : FileCommands("frmInputScrn", "frmResults") {} };
struct LiquidFiles : FileCommands { LiquidFiles() : FileCommands("frmLqdInput", "frmLqdResults") {} };

// Save then Open brings the case back, a user-defined gas with its name
// beside the media list. A cancelled Open says "CANCEL", a cancelled Save
// nothing (LiquidFiles shows a file that cannot be read).
TEST_F(GasFiles, SaveOpenAndCancel) {
    fill("txtFlowRateIn", "250");
    shared().MediaIn = "OTHER";
    shared().OtherMediaName = "Kiln gas";
    trigger(input_, "mnuSaveFile", "case.dat");
    trigger(input_, "mnuDefaultValues");
    trigger(input_, "mnuOpenFile", "case.dat");
    EXPECT_EQ(std::tuple(box("txtFlowRateIn")->text(), list("cboMediaIn")->currentText(),
                         control<QLabel>(input_, "lblNewMedia")->text()),
              std::tuple("250", "OTHER", "Kiln gas"));

    trigger(input_, "mnuOpenFile", "");
    trigger(input_, "mnuSaveFile", "");
    EXPECT_TRUE(messages.size() == 1 && messages[0].text == "CANCEL");
}

// After Open the screen looks as if the user had entered the case (the
// viscosity unit's density frame, the density option set). A cancelled Open
// says nothing; a bad file or folder says why.
TEST_F(LiquidFiles, SaveOpenCancelAndFailures) {
    fill("txtViscIn", "0.000123");
    pick("cboViscUnit", "ft^2/sec");
    trigger(input_, "mnuSaveFile", "water.dat");
    trigger(input_, "mnuDefaults");
    trigger(input_, "mnuOpenFile", "water.dat");
    EXPECT_EQ(std::tuple(box("txtViscIn")->text(), list("cboViscUnit")->currentText(),
                         control<QAbstractButton>(input_, "optDens")->isChecked(), focused()),
              std::tuple("0.000123", "ft^2/sec", true, "txtCustomerIn"));

    trigger(input_, "mnuOpenFile", "");
    writeFile(path("four.dat").toStdString(), "\"A\"\r\n\"B\"\r\n1\r\n\"GPM\"\r\n");
    trigger(input_, "mnuOpenFile", "four.dat");
    trigger(input_, "mnuSaveFile", "nofolder/water.dat");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "62 - Input past end of file (line 5)");
    EXPECT_TRUE(messages[1].text.contains(path("nofolder/water.dat")));
    EXPECT_EQ(box("txtFlowRateIn")->text(), "500");

    // The results stay open while the case is edited: their Save reports the
    // case they show.
    findMeter();
    fill("txtFlowRateIn", "1234");
    trigger(results_, "mnuSaveFile", "shown.txt");
    const std::string shown = contents("shown.txt");
    EXPECT_TRUE(shown.find("500  GPM") != std::string::npos && shown.find("1234") == std::string::npos);
}

// proposedName: what the results' save dialog proposes.
struct Workflow { const char *input, *results, *name, *proposedName; };
std::ostream& operator<<(std::ostream& os, const Workflow& w) { return os << w.name; }
struct BothWorkflows : FileCommands, ::testing::WithParamInterface<Workflow> {
    BothWorkflows() : FileCommands(GetParam().input, GetParam().results) {}
};

// Enter (which presses SAVE) and the menu's Save ask for a text file and
// write the report the batch sizer writes for the same case file.
// Print asks for a printer each time and prints on the one the dialog leaves
// (a PDF file here), nothing when cancelled; a failing printer is reported.
TEST_P(BothWorkflows, SaveAndPrintTheResults) {
    trigger(input_, "mnuSaveFile", "case.dat");
    trigger(input_, "mnuOpenFile", "case.dat");
    findMeter();
    answers = {path("screen.txt")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    trigger(results_, "mnuSaveFile", "menu.txt");
    EXPECT_EQ(std::tuple(requests.back().mode, requests.back().proposedName),
              std::tuple(FileRequest::Mode::Save, GetParam().proposedName));
    EXPECT_EQ(contents("menu.txt"), contents("screen.txt"));
    std::ostringstream out, err;
    ASSERT_EQ(runBatch({GetParam().name, path("case.dat").toStdString(), "-"}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), contents("screen.txt"));

    bool accept = false;
    QString pdf = path("report.pdf");
    seams().choosePrinter = [&](QPrinter& p) {
        p.setOutputFileName(pdf);  // a PDF file, by its suffix
        return accept;
    };
    control<QPushButton>(results_, "cmdPrint")->click();
    EXPECT_FALSE(fs::exists(pdf.toStdString()));
    accept = true;
    trigger(results_, "mnuPrint");
    EXPECT_EQ(contents("report.pdf").rfind("%PDF", 0), 0u);
    pdf = path("nofolder/report.pdf");
    trigger(results_, "mnuPrint");
    EXPECT_TRUE(messages.size() == 1 && messages[0].text.startsWith("The report could not be printed"));
}

INSTANTIATE_TEST_SUITE_P(Screens, BothWorkflows,
                         ::testing::Values(Workflow{"frmInputScrn", "frmResults", "gas", "Quorin Vortex.txt"},
                                           Workflow{"frmLqdInput", "frmLqdResults", "liquid", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorin::test
