#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "reports/PageRenderer.h"
#include "support/CoreFixture.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class PdfPage : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        uiApp();
        ASSERT_TRUE(dir.isValid());
    }

    // Renders the page to a PDF file as "Print to file" does.
    bool render(const Page& page, const QString& path) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return renderPage(page, printer);
    }
    static QString run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), 0) << program.toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir dir;
};

TEST_F(PdfPage, GasReportIsALetterPageWithTitleAndMeterAtTheirPlaces) {
    airAt(100, 70, 2.067f, 100);
    shared().CustomerIn = "Northfield Chemical Works and Refining Company";
    modGasSelection();

    const QString pdf = dir.filePath("gas.pdf");
    ASSERT_TRUE(render(modPrintResults(modGasResults(), "12-06-2026"), pdf));
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Page size:\\s+612 x 792 pts")));
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains("Quorin Vortex Flow Meter Sizing Report")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("QWG20\\s+5\\.0\\s+ACFM\\s+200\\.0\\s+ACFM")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("0.0233 Area Ft\u00B2")));
    // A customer too long for its column stops short of the middle rule.
    EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(
        "Customer:\\s+Northfield Chemical W[^\n]*\u2026\\s+Density:"))))
        << text.toStdString();
    EXPECT_FALSE(text.contains("Refining Company"));

    // The title's cell: x (2080 + 250) twips and y (2880 - 1200) twips from
    // the corner of the printable area, a quarter inch in; 18 pt high.
    const QString boxes = run("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpressionMatch m =
        QRegularExpression("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                           "yMax=\"([\\d.]+)\">Quorin</word>")
            .match(boxes);
    ASSERT_TRUE(m.hasMatch()) << boxes.toStdString();
    const double x = m.captured(1).toDouble(), top = m.captured(2).toDouble(),
                 bottom = m.captured(3).toDouble();
    EXPECT_NEAR(x, 18 + 2330 / 20.0, 1.5);
    EXPECT_NEAR(top, 18 + 1680 / 20.0, 1.5);
    EXPECT_NEAR(bottom - top, 18 * 1.117, 1.5);  // ascent + descent of the face
}

TEST_F(PdfPage, LiquidReportListsItsMeterAndFooter) {
    loadLiquidDefaults(true);
    shared().LqdViscIn = 1;
    shared().PipeSizeIn = 6;
    modLqdRecalc();
    modLqdSelection();
    const QString pdf = dir.filePath("liquid.pdf");
    ASSERT_TRUE(render(modLqdPrintResults(modLqdResults(), "12-06-2026"), pdf));
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.contains(QRegularExpression("QNL\\s+157\\.0 GPM\\s+1586\\.0 GPM")))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Quorin Dynarel Inc.")) << text.toStdString();
    // A file that cannot be written fails the print.
    EXPECT_FALSE(render(modLqdPrintResults(modLqdResults(), ""), dir.filePath("missing/folder/page.pdf")));
}

}  // namespace
}  // namespace quorin::test
