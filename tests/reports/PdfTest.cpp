// The printed page on a PDF printer, read back with poppler-utils: the page
// size, where the title lands, and a long text cut short of its column.
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
    }
    // Renders the page to a PDF file as "Print to file" does.
    static bool render(const Page& page, const QString& path) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return renderPage(page, printer);
    }
    static QString run(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0) << program.toStdString();
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
    EXPECT_TRUE(text.contains(QString::fromUtf8("0.0233 Area Ft\u00B2"))) << text.toStdString();
    // A customer too long for its column stops short of the middle rule.
    EXPECT_TRUE(text.contains(
        QRegularExpression(QString::fromUtf8("Customer:\\s+Northfield Chemical W[^\n]*\u2026\\s+Density:"))))
        << text.toStdString();

    // The title's cell: x (2080 + 250) twips and y (2880 - 1200) twips from
    // the corner of the printable area, a quarter inch in; 18 pt high (ascent
    // and descent of the face: 1.117 of the size).
    const QRegularExpressionMatch m =
        QRegularExpression(
            "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">Quorin</word>")
            .match(run("pdftotext", {"-bbox", pdf, "-"}));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_NEAR(m.captured(1).toDouble(), 18 + 2330 / 20.0, 1.5);
    EXPECT_NEAR(m.captured(2).toDouble(), 18 + 1680 / 20.0, 1.5);
    EXPECT_NEAR(m.captured(3).toDouble() - m.captured(2).toDouble(), 18 * 1.117, 1.5);

    // A file that cannot be written fails the print.
    EXPECT_FALSE(render(modPrintResults(modGasResults(), ""), dir.filePath("missing/folder/page.pdf")));
}

}  // namespace
}  // namespace quorin::test
