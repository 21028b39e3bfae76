// The file and print commands of the four vortex screens: what each asks the
// dialogs, what it writes or reads, and what the screen shows afterwards.
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>

#include <sstream>

#include "batch/Batch.h"
#include "support/CoreFixture.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

// A screen test whose file dialogs answer with the next path of `answers`
// (an empty path is a cancelled dialog) and record what they were asked.
class FileCommands : public FormTest {
protected:
    FileCommands(const char* input, const char* results) : FormTest(input, results) {}

    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        seams().chooseFile = [this](const FileRequest& r) {
            requests.push_back(r);
            if (answers.empty()) return QString();
            const QString path = answers.front();
            answers.erase(answers.begin());
            return path;
        };
    }
    QString path(const char* name) const { return dir.filePath(name); }
    std::string contents(const char* name) const { return readFile(path(name).toStdString()); }
    void write(const char* name, const std::string& bytes) const { writeFile(path(name).toStdString(), bytes); }
    int linesOf(const char* name) const { return QByteArray::fromStdString(contents(name)).count("\r\n"); }
    void trigger(const char* form, const char* item) {
        QAction* a = menuItem(item, form);
        ASSERT_NE(a, nullptr) << item;
        EXPECT_TRUE(a->isEnabled()) << item;
        a->trigger();
        settle();
    }

    QTemporaryDir dir;
    std::vector<QString> answers;
    std::vector<FileRequest> requests;
};

class GasFiles : public FileCommands {
protected:
    GasFiles() : FileCommands("frmInputScrn", "frmResults") {}
};

class LiquidFiles : public FileCommands {
protected:
    LiquidFiles() : FileCommands("frmLqdInput", "frmLqdResults") {}
};

TEST_F(GasFiles, SaveThenOpenBringsTheCaseBack) {
    fill("txtCustomerIn", "Acme, Inc.");
    fill("txtFlowRateIn", "250");
    pick("cboPressUnitIn", "BAR G");
    answers = {path("case.dat")};
    trigger(input_, "mnuSaveFile");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].filter, "Data File (*.dat)");
    EXPECT_EQ(QString::fromStdString(shared().InputFileName), path("case.dat"));
    EXPECT_EQ(linesOf("case.dat"), 22);

    trigger(input_, "mnuDefaultValues");
    ASSERT_EQ(box("txtFlowRateIn")->text(), "1600");
    answers = {path("case.dat")};
    trigger(input_, "mnuOpenFile");
    EXPECT_EQ(requests.back().mode, FileRequest::Mode::Open);
    EXPECT_EQ(box("txtCustomerIn")->text(), "Acme, Inc.");
    EXPECT_EQ(box("txtFlowRateIn")->text(), "250");
    EXPECT_EQ(list("cboPressUnitIn")->currentText(), "BAR G");
    EXPECT_EQ(shared().FlowAcfm, 250);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GasFiles, AUserDefinedGasComesBackWithItsName) {
    std::string bytes;
    for (const char* l : {"\"Kiln Co\"", "\"T-9\"", "100", "\"ACFM\"", "2.067", "\"INCHES\"", "100", "\"PSIG\"",
                          "14.696", "\"PSIA\"", "70", "\"deg F\"", "14.696", "\"PSIA\"", "60", "\"deg F\"",
                          "\"Other\"", "0.9", "3", "0.02", "#TRUE#", "\"Kiln gas\""})
        bytes += std::string(l) + "\r\n";
    write("other.dat", bytes);
    answers = {path("other.dat")};
    trigger(input_, "mnuOpenFile");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(list("cboMediaIn")->currentText(), "OTHER");
    EXPECT_TRUE(control<QLabel>(input_, "lblOther")->isVisible());
    EXPECT_EQ(control<QLabel>(input_, "lblNewMedia")->text(), "Kiln gas");
    EXPECT_EQ(shared().SpecGravity, 0.9f);
}

// Cancel: "CANCEL" for Open, nothing for Save. A file that cannot be read
// changes nothing on the screen or in the case, and the message says why.
TEST_F(GasFiles, CancelledOrFailedOpensChangeNothingAndSayWhy) {
    answers = {"", ""};
    trigger(input_, "mnuOpenFile");
    trigger(input_, "mnuSaveFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "CANCEL");

    const struct { const char* name; const char* bytes; const char* message; } files[] = {
        {"missing.dat", nullptr, "Cannot Find File"},
        {"nofolder/case.dat", nullptr, "Path Not Found"},
        {"short.dat", "\"A\"\r\n\"B\"\r\n100\r\n", "62 - Input past end of file (line 4)"},
        {"text.dat", "\"A\"\r\n\"B\"\r\n\"many\"\r\n", "13 - Type mismatch (line 3)"}};
    fill("txtFlowRateIn", "777");
    const SharedState before = shared();
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        messages.clear();
        if (f.bytes) write(f.name, f.bytes);
        answers = {path(f.name)};
        trigger(input_, "mnuOpenFile");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, f.message);
        EXPECT_EQ(box("txtFlowRateIn")->text(), "777");
        EXPECT_EQ(std::tuple(shared().FlowRateIn, shared().CustomerIn, shared().MediaIn),
                  std::tuple(before.FlowRateIn, before.CustomerIn, before.MediaIn));
    }
}

TEST_F(LiquidFiles, SaveThenOpenBringsTheCaseBackWithItsScreenState) {
    fill("txtViscIn", "0.000123");
    pick("cboViscUnit", "ft^2/sec");
    pick("cboFlowUnit", "LPM");
    answers = {path("water.dat")};
    trigger(input_, "mnuSaveFile");
    EXPECT_EQ(linesOf("water.dat"), 14);

    trigger(input_, "mnuDefaults");
    ASSERT_EQ(list("cboViscUnit")->currentText(), "centipoise");
    answers = {path("water.dat")};
    trigger(input_, "mnuOpenFile");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(box("txtViscIn")->text(), "0.000123");
    EXPECT_EQ(shared().LqdViscIn, 0.000123);
    EXPECT_EQ(list("cboViscUnit")->currentText(), "ft^2/sec");
    EXPECT_EQ(list("cboFlowUnit")->currentText(), "LPM");
    EXPECT_NEAR(shared().LqdFlowGpm, 500 * 0.26418, 1e-3);
    // As if the user had picked the units: kinematic viscosity, density
    // frame disabled, the density option set.
    EXPECT_FALSE(control<QWidget>(input_, "fraMedia")->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(input_, "optDens")->isChecked());
    EXPECT_EQ(focused(), "txtCustomerIn");
}

TEST_F(LiquidFiles, ACancelledOpenSaysNothingAndABadFileOrFolderSaysWhy) {
    answers = {""};
    trigger(input_, "mnuOpenFile");
    EXPECT_TRUE(messages.empty());
    write("ten.dat", "\"A\"\r\n\"B\"\r\n1\r\n\"GPM\"\r\n2\r\n\"INCHES\"\r\n3\r\n\"deg F\"\r\n\"WATER\"\r\n1\r\n");
    answers = {path("ten.dat")};
    trigger(input_, "mnuOpenFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "62 - Input past end of file (line 11)");
    EXPECT_EQ(box("txtFlowRateIn")->text(), "500");
    EXPECT_EQ(shared().LqdFlowRateIn, 500);

    answers = {path("nofolder/water.dat")};
    trigger(input_, "mnuSaveFile");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.contains(path("nofolder/water.dat")));
    EXPECT_FALSE(QFile::exists(path("nofolder/water.dat")));
}

// Both workflows: the input screen, the results screen, the batch workflow
// and a flow to size.
struct Workflow {
    const char* input;
    const char* results;
    const char* name;
    const char* flow;
    const char* proposedName;  // by the results screen's save dialog
};

std::ostream& operator<<(std::ostream& os, const Workflow& c) { return os << c.name; }

class BothWorkflows : public FileCommands, public ::testing::WithParamInterface<Workflow> {
protected:
    BothWorkflows() : FileCommands(GetParam().input, GetParam().results) {}
};

// The results screen's SAVE (also Enter) and its menu's Save write the
// report; the batch sizer writes the same for the same case file.
TEST_P(BothWorkflows, ResultsSaveWritesWhatTheBatchSizerWrites) {
    fill("txtFlowRateIn", GetParam().flow);
    answers = {path("case.dat"), path("case.dat")};
    trigger(input_, "mnuSaveFile");
    trigger(input_, "mnuOpenFile");
    findMeter();
    answers = {path("screen.txt")};
    control<QPushButton>(results_, "cmdSave")->click();
    settle();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[2].filter, "Text File (*.txt)");
    EXPECT_EQ(requests[2].proposedName, GetParam().proposedName);
    answers = {""};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(requests.size(), 4u);
    answers = {path("menu.txt")};
    trigger(results_, "mnuSaveFile");
    ASSERT_TRUE(messages.empty());
    EXPECT_EQ(contents("menu.txt"), contents("screen.txt"));

    std::ostringstream out, err;
    EXPECT_EQ(runBatch({GetParam().name, path("case.dat").toStdString(), path("batch.txt").toStdString()}, out,
                       err),
              0)
        << err.str();
    EXPECT_GT(contents("screen.txt").size(), 500u);
    EXPECT_EQ(contents("batch.txt"), contents("screen.txt"));
}

// Print asks for a printer each time and prints on the one the dialog
// leaves (a PDF file here), nothing when cancelled; a failing printer is
// reported.
TEST_P(BothWorkflows, PrintsOnThePrinterTheDialogLeaves) {
    findMeter();
    bool accept = false;
    int asked = 0;
    QString pdf = path("report.pdf");
    seams().choosePrinter = [&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return accept;
    };
    control<QPushButton>(results_, "cmdPrint")->click();
    settle();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    accept = true;
    trigger(results_, "mnuPrint");
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(contents("report.pdf").rfind("%PDF", 0), 0u);
    EXPECT_TRUE(messages.empty());

    pdf = path("nofolder/report.pdf");
    trigger(results_, "mnuPrint");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("The report could not be printed"));
}

INSTANTIATE_TEST_SUITE_P(Screens, BothWorkflows,
                         ::testing::Values(Workflow{"frmInputScrn", "frmResults", "gas", "250", "Quorin Vortex.txt"},
                                           Workflow{"frmLqdInput", "frmLqdResults", "liquid", "300", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorin::test

namespace quorin::test {
namespace {

// The liquid results stay open while the case is edited: their Print and
// Save still report the case they show.
TEST_F(LiquidFiles, ResultsReportTheCaseTheyShow) {
    findMeter();
    pick("cboFlowUnit", "LPM");
    type("txtFlowRateIn", "1234");
    leave();
    answers = {path("shown.txt")};
    trigger(results_, "mnuSaveFile");
    const std::string text = contents("shown.txt");
    EXPECT_NE(text.find("500  GPM"), std::string::npos) << text;
    EXPECT_EQ(text.find("1234"), std::string::npos) << text;
    EXPECT_NE(text.find("1586.0  GPM"), std::string::npos) << text;
    // The case being edited is untouched, and the file name is kept.
    EXPECT_EQ(shared().LqdFlowRateIn, 1234);
    EXPECT_EQ(shared().LqdFlowUnit, "LPM");
    EXPECT_EQ(QString::fromStdString(shared().LqdResultsFileName), path("shown.txt"));
}

}  // namespace
}  // namespace quorin::test
