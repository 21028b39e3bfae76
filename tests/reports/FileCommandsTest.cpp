// The file and print commands of the four vortex screens: what each asks the
// dialogs, what it writes or reads, and what the screen shows afterwards.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "batch/Batch.h"
#include "support/FormTest.h"

#include <sstream>

namespace quorin::test {
namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

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
    void trigger(const char* form, const char* item) {
        QWidget* f = Shell::instance().find(form);
        ASSERT_NE(f, nullptr) << form;
        QAction* a = f->findChild<QAction*>(item);
        ASSERT_NE(a, nullptr) << item;
        EXPECT_TRUE(a->isEnabled()) << item;
        a->trigger();
        settle();
    }
    void findMeter() {
        control<QPushButton>(input_, "cmdCalcFlow")->click();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded(results_));
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
    type("txtCustomerIn", "Acme, Inc.");
    leave();
    type("txtFlowRateIn", "250");
    leave();
    pick("cboPressUnitIn", "BAR G");
    answers = {path("case.dat")};
    trigger(input_, "mnuSaveFile");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].filter, "Data File (*.dat)");
    EXPECT_EQ(QString::fromStdString(shared().InputFileName), path("case.dat"));
    EXPECT_EQ(contents(path("case.dat")).count("\r\n"), 22);

    menuItem("mnuDefaultValues")->trigger();
    settle();
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
    const char* lines[] = {"\"Kiln Co\"", "\"T-9\"", "100", "\"ACFM\"", "2.067", "\"INCHES\"",
                           "100", "\"PSIG\"", "14.696", "\"PSIA\"", "70", "\"deg F\"",
                           "14.696", "\"PSIA\"", "60", "\"deg F\"", "\"Other\"", "0.9",
                           "3", "0.02", "#TRUE#", "\"Kiln gas\""};
    QByteArray bytes;
    for (const char* l : lines) bytes += QByteArray(l) + "\r\n";
    write(path("other.dat"), bytes);
    answers = {path("other.dat")};
    trigger(input_, "mnuOpenFile");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(list("cboMediaIn")->currentText(), "OTHER");
    EXPECT_TRUE(control<QLabel>(input_, "lblOther")->isVisible());
    EXPECT_EQ(control<QLabel>(input_, "lblNewMedia")->text(), "Kiln gas");
    EXPECT_EQ(shared().SpecGravity, 0.9f);
}

TEST_F(GasFiles, CancelledOpenSaysCancelAndCancelledSaveSaysNothing) {
    answers = {""};
    trigger(input_, "mnuOpenFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "CANCEL");
    answers = {""};
    trigger(input_, "mnuSaveFile");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(dir.isValid());
}

struct BadFile {
    const char* name;
    QByteArray bytes;  // empty: the file is not written
    const char* message;
};

class GasBadFiles : public GasFiles, public ::testing::WithParamInterface<BadFile> {};

TEST_P(GasBadFiles, ChangeNothingAndSayWhy) {
    const BadFile& c = GetParam();
    if (!c.bytes.isEmpty()) write(path(c.name), c.bytes);
    type("txtFlowRateIn", "777");
    leave();
    const SharedState before = shared();
    answers = {path(c.name)};
    trigger(input_, "mnuOpenFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(box("txtFlowRateIn")->text(), "777");
    EXPECT_EQ(shared().FlowRateIn, before.FlowRateIn);
    EXPECT_EQ(shared().CustomerIn, before.CustomerIn);
    EXPECT_EQ(shared().MediaIn, before.MediaIn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GasBadFiles,
    ::testing::Values(
        BadFile{"missing.dat", {}, "Cannot Find File"},
        BadFile{"nofolder/case.dat", {}, "Path Not Found"},
        BadFile{"short.dat", "\"A\"\r\n\"B\"\r\n100\r\n", "62 - Input past end of file (line 4)"},
        BadFile{"text.dat", "\"A\"\r\n\"B\"\r\n\"many\"\r\n", "13 - Type mismatch (line 3)"}),
    [](const auto& info) {
        std::string n = info.param.name;
        return n.substr(0, n.find_first_of("./"));
    });

TEST_F(LiquidFiles, SaveThenOpenBringsTheCaseBackWithItsScreenState) {
    type("txtViscIn", "0.000123");
    leave();
    pick("cboViscUnit", "ft^2/sec");
    pick("cboFlowUnit", "LPM");
    answers = {path("water.dat")};
    trigger(input_, "mnuSaveFile");
    EXPECT_EQ(contents(path("water.dat")).count("\r\n"), 14);

    menuItem("mnuDefaults")->trigger();
    settle();
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

TEST_F(LiquidFiles, ACancelledOpenSaysNothingAndABadFileSaysWhy) {
    answers = {""};
    trigger(input_, "mnuOpenFile");
    EXPECT_TRUE(messages.empty());
    write(path("ten.dat"), QByteArray("\"A\"\r\n\"B\"\r\n1\r\n\"GPM\"\r\n2\r\n\"INCHES\"\r\n"
                                      "3\r\n\"deg F\"\r\n\"WATER\"\r\n1\r\n"));
    answers = {path("ten.dat")};
    trigger(input_, "mnuOpenFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "62 - Input past end of file (line 11)");
    EXPECT_EQ(box("txtFlowRateIn")->text(), "500");
    EXPECT_EQ(shared().LqdFlowRateIn, 500);
}

TEST_F(LiquidFiles, ASaveIntoAMissingFolderSaysSoAndWritesNothing) {
    answers = {path("nofolder/water.dat")};
    trigger(input_, "mnuSaveFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(path("nofolder/water.dat")));
    EXPECT_FALSE(QFile::exists(path("nofolder/water.dat")));
}

TEST_F(GasFiles, ResultsSaveProposesItsNameAndWritesTheReport) {
    findMeter();
    answers = {path("results.txt")};
    control<QPushButton>(results_, "cmdSave")->click();
    settle();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].filter, "Text File (*.txt)");
    EXPECT_EQ(requests[0].proposedName, "Quorin Vortex.txt");
    EXPECT_TRUE(contents(path("results.txt")).contains("Quorin Flow Meter Sizing Report"));
    EXPECT_TRUE(messages.empty());
    // Enter on the screen is SAVE as well.
    answers = {""};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(requests.size(), 2u);
}

TEST_F(LiquidFiles, ResultsSaveAndMenuSaveWriteTheReport) {
    findMeter();
    answers = {path("liquid.txt")};
    trigger(results_, "mnuSaveFile");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].proposedName.isEmpty());
    EXPECT_EQ(QString::fromStdString(shared().LqdResultsFileName), path("liquid.txt"));
    const QByteArray text = contents(path("liquid.txt"));
    EXPECT_TRUE(text.contains("Flow in GPM:"));
    EXPECT_TRUE(text.contains("QNL"));
}

// The batch sizer writes what the screens write for the same case file.
struct SameAsTheScreens {
    const char* input;
    const char* results;
    const char* workflow;
    const char* flow;
};

std::ostream& operator<<(std::ostream& os, const SameAsTheScreens& c) { return os << c.workflow; }

class BatchAndScreens : public FileCommands, public ::testing::WithParamInterface<SameAsTheScreens> {
protected:
    BatchAndScreens() : FileCommands(GetParam().input, GetParam().results) {}
};

TEST_P(BatchAndScreens, WriteTheSameResultsFile) {
    const SameAsTheScreens& c = GetParam();
    type("txtFlowRateIn", c.flow);
    leave();
    answers = {path("case.dat"), path("case.dat")};
    trigger(input_, "mnuSaveFile");
    trigger(input_, "mnuOpenFile");
    findMeter();
    answers = {path("screen.txt")};
    trigger(results_, "mnuSaveFile");
    ASSERT_TRUE(messages.empty());

    std::ostringstream out, err;
    const int status = runBatch({c.workflow, path("case.dat").toStdString(),
                                 path("batch.txt").toStdString()},
                                out, err);
    EXPECT_EQ(status, 0) << err.str();
    const QByteArray screen = contents(path("screen.txt"));
    EXPECT_GT(screen.size(), 500);
    EXPECT_EQ(contents(path("batch.txt")), screen);
}

INSTANTIATE_TEST_SUITE_P(
    BothWorkflows, BatchAndScreens,
    ::testing::Values(SameAsTheScreens{"frmInputScrn", "frmResults", "gas", "250"},
                      SameAsTheScreens{"frmLqdInput", "frmLqdResults", "liquid", "300"}),
    [](const auto& info) { return std::string(info.param.workflow); });

// Printing: the print dialog's printer prints to a PDF file.
struct PrintCase {
    const char* input;
    const char* results;
};

std::ostream& operator<<(std::ostream& os, const PrintCase& c) { return os << c.results; }

class Printing : public FileCommands, public ::testing::WithParamInterface<PrintCase> {
protected:
    Printing() : FileCommands(GetParam().input, GetParam().results) {}
};

TEST_P(Printing, PrintsOnThePrinterTheDialogLeavesAndNothingWhenCancelled) {
    findMeter();
    bool accept = false;
    int asked = 0;
    const QString pdf = path("report.pdf");
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
    EXPECT_TRUE(contents(pdf).startsWith("%PDF"));
    EXPECT_TRUE(messages.empty());
}

TEST_P(Printing, APrinterThatFailsIsReported) {
    findMeter();
    seams().choosePrinter = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("nofolder/report.pdf"));
        return true;
    };
    trigger(results_, "mnuPrint");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("The report could not be printed"));
}

INSTANTIATE_TEST_SUITE_P(
    BothWorkflows, Printing,
    ::testing::Values(PrintCase{"frmInputScrn", "frmResults"},
                      PrintCase{"frmLqdInput", "frmLqdResults"}),
    [](const auto& info) { return std::string(info.param.results); });

}  // namespace
}  // namespace quorin::test
