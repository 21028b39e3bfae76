// The range picture on the results screens: where its parts are painted, and
// its Copy and Save commands. Air at 100 psig in a 6 in line at 1700 ACFM
// lists QNG (23.56 to 1649.34 ACFM, which does not hold the flow) and QNS
// (54.39 to 2179.48 ACFM); the picture's figures are the core tests'.
#include <QClipboard>
#include <QFileInfo>
#include <QTemporaryDir>

#include "shell/RangePictureView.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class PictureScreen : public FormTest {
protected:
    using FormTest::FormTest;
    RangePictureView* view() const { return control<RangePictureView>(results_, "picRange"); }
    // The first column of `colour` on pixel row `y`, or -1.
    static int firstColumn(const QImage& image, int y, const QColor& colour) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) return x;
        }
        return -1;
    }
    static int count(const QImage& image, const QColor& colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
        }
        return n;
    }
};

struct GasPicture : PictureScreen {
    GasPicture() : PictureScreen("frmInputScrn", "frmResults") {}
    void SetUp() override {
        PictureScreen::SetUp();
        fill("txtPressIn", "100");
        fill("txtPipeSizeIn", "6");
        fill("txtFlowRateIn", "1700");
        findMeter();
    }
};

struct LiquidPicture : PictureScreen {
    LiquidPicture() : PictureScreen("frmLqdInput", "frmLqdResults") {}
};

// Bars top to bottom in list order, the warning colour for QNG, the flow line
// where the log axis puts 1700, the lowest 15 % of QNS shaded up to its end.
TEST_F(GasPicture, PaintsBarsFlowLineAndLowZone) {
    const RangePicture& p = view()->picture();
    const QImage image = view()->image();
    const RangePictureLayout l = layOutRangePicture(QFontMetrics(view()->font()), image.rect(), p);
    const RangePictureColours& c = rangePictureColours();
    ASSERT_EQ(l.bars.size(), 2u);
    EXPECT_LT(l.bars[0].bottom(), l.bars[1].top());
    const QPoint qng((l.lowZones[0].right() + l.bars[0].right()) / 2, l.bars[0].center().y());
    const QPoint qns((l.lowZones[1].right() + l.bars[1].right()) / 2, l.bars[1].center().y());
    EXPECT_EQ(image.pixelColor(qng), c.warning);
    EXPECT_EQ(image.pixelColor(qns), c.bar);

    const double axis = p.axisFraction(1700) * (l.plot.width() - 1);
    const int flowX = firstColumn(image, l.rows[0].bottom(), c.flow);
    EXPECT_LE(std::abs(flowX - (l.plot.left() + axis)), 1.0);

    const double zoneEnd = l.plot.left() + p.axisFraction(p.bars[1].lowZoneEnd) * (l.plot.width() - 1);
    const int y = l.bars[1].center().y();
    EXPECT_EQ(image.pixelColor(l.bars[1].left() + 1, y), c.barLowZone);
    EXPECT_EQ(image.pixelColor(int(zoneEnd) - 1, y), c.barLowZone);
    EXPECT_EQ(image.pixelColor(int(zoneEnd) + 2, y), c.bar);
}

// The Picture menu comes last. Save writes the PNG the dialog names; a file
// that cannot be written says so and leaves nothing. Copy puts the image on
// the clipboard.
TEST_F(GasPicture, SaveAndCopy) {
    EXPECT_EQ(menuBarText(), "File|Print|Picture");
    QTemporaryDir dir;
    QStringList answers = {dir.filePath("range.png"), dir.filePath("none/range.png")};
    QString filter;
    seams().chooseFile = [&](const FileRequest& r) {
        filter = r.filter;
        return answers.takeFirst();
    };
    menuItem("mnuSavePicture", results_)->trigger();
    EXPECT_EQ(filter, "PNG Image (*.png)");
    EXPECT_EQ(QImage(dir.filePath("range.png"), "PNG").size(), view()->size());
    menuItem("mnuSavePicture", results_)->trigger();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none/range.png")));

    QGuiApplication::clipboard()->clear();
    menuItem("mnuCopyPicture", results_)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), view()->size());
}

// The liquid screen shows its meter; with none fitting (water at 301 deg F)
// the picture says so in words, with no bar.
TEST_F(LiquidPicture, ShowsItsMeterOrTheWords) {
    fill("txtViscIn", "1");
    findMeter();
    EXPECT_EQ(view()->picture().bars.size(), 1u);
    fill("txtTempIn", "301");
    findMeter();
    const QImage image = view()->image();
    EXPECT_EQ(view()->picture().emptyText, "No meters fit parameters");
    EXPECT_LT(count(image, rangePictureColours().paper), image.width() * image.height());
    EXPECT_EQ(count(image, rangePictureColours().bar) + count(image, rangePictureColours().warning), 0);
}

}  // namespace
}  // namespace quorin::test
