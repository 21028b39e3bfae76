// The reports' preview and PDF commands of the three screens that print, the
// date they show, and the maker's address the About box and the footer share.
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

QString pdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Input screen, results screen ("": the input screen prints), the page's
// title and a line of it (none: the first meter the screen lists).
using Screen = std::tuple<const char*, const char*, const char*, const char*>;
struct ReportCommands : FormTest, ::testing::WithParamInterface<Screen> {
    ReportCommands() : FormTest(std::get<0>(GetParam()), std::get<1>(GetParam())) {}
};

// The preview paints one page; Export PDF writes the page Print prints, with
// the date the screen shows; a folder as the target is reported, no file left.
TEST_P(ReportCommands, PreviewAndExportThePrintedPage) {
    QTemporaryDir dir;
    QStringList answers = {dir.filePath("report.pdf"), dir.path()};
    seams().chooseFile = [&](const FileRequest&) { return answers.takeFirst(); };
    seams().choosePrinter = [&](QPrinter& p) {
        p.setOutputFileName(dir.filePath("printed.pdf"));
        return true;
    };
    if (*results_) {
        findMeter();
    }
    const char* form = *results_ ? results_ : input_;
    for (const char* item : {"mnuPrintPreview", "mnuPrint", "mnuExportPdf", "mnuExportPdf"}) {
        menuItem(item, form)->trigger();
    }
    const auto [input, results, title, line] = GetParam();
    const QString date = control<QLineEdit>(form, "txtDate")->text();
    const QString text = pdfText(dir.filePath("report.pdf"));
    EXPECT_TRUE(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}$").match(date).hasMatch()) << date.toStdString();
    const QString meterOrLine = line ? QString(line) : rows("lstMeter").value(0, "?");
    for (const QString& part : {QString(title), meterOrLine, date}) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " in " << text.toStdString();
    }
    EXPECT_EQ(text, pdfText(dir.filePath("printed.pdf")));
    const auto files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(std::tuple(previewPages, messages.size(), files),
              std::tuple(std::vector<int>{1}, size_t(1), QStringList({"printed.pdf", "report.pdf"})));
}

const char kVortexTitle[] = "Quorin Vortex Flow Meter Sizing Report";
INSTANTIATE_TEST_SUITE_P(Screens, ReportCommands,
                         ::testing::Values(Screen{"frmInputScrn", "frmResults", kVortexTitle, nullptr},
                                           Screen{"frmLqdInput", "frmLqdResults", kVortexTitle, nullptr},
                                           Screen{"frmNorvaneInput", "", "Norvane Calculations",
                                                  "Flow Rate(Q):"}),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

class Maker : public UiTest {};

TEST_F(Maker, AboutBoxShowsTheFootersAddress) {
    QString about;
    runDialog("frmAbout", [&](QDialog& d) {
        about = d.findChild<QPlainTextEdit*>("txtAboutName")->toPlainText();
    });
    // Name, street, town, telephone.
    const QStringList parts = about.replace("Telephone ", "Tel. ").split('\n');
    ASSERT_EQ(parts.size(), 4);
    const QString gap = "    -    ";
    const QString address = parts[0] + gap + parts[1] + ", " + parts[2] + gap + parts[3];
    const std::string footer = modPrintResults(modGasResults(), "").texts().back()->text;
    EXPECT_TRUE(QString::fromStdString(footer).endsWith(address)) << footer;
}

}  // namespace
}  // namespace quorin::test
