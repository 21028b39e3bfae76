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
    EXPECT_EQ(image.pixelColor(qng).name(), c.warning.name());
    EXPECT_EQ(image.pixelColor(qns).name(), c.bar.name());

    // The flow line's first column on the pixel row between the bars.
    int flowX = 0;
    while (flowX < image.width() && image.pixelColor(flowX, l.rows[0].bottom()) != c.flow) ++flowX;
    EXPECT_LE(std::abs(flowX - l.plot.left() - p.axisFraction(1700) * (l.plot.width() - 1)), 1.0);

    const double zoneEnd = l.plot.left() + p.axisFraction(p.bars[1].lowZoneEnd) * (l.plot.width() - 1);
    const int y = l.bars[1].center().y();
    EXPECT_EQ(image.pixelColor(int(zoneEnd) - 1, y).name(), c.barLowZone.name());
    EXPECT_EQ(image.pixelColor(int(zoneEnd) + 2, y).name(), c.bar.name());

    // 1700 lies just past QNG's maximum: the line passes under its limit, which stays readable.
    const QRect label = l.maxTexts.at(0);
    EXPECT_LT(label.left() - flowX, 3);
    for (int x = label.left(); x <= label.right(); ++x) {
        EXPECT_NE(image.pixelColor(x, label.center().y()).name(), c.flow.name()) << x;
    }
}

// Save writes the PNG the dialog names; a file that cannot be written says so
// and leaves nothing. Copy puts the image on the clipboard.
TEST_F(GasPicture, SaveAndCopy) {
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

// With no liquid meter fitting (water at 301 deg F) the picture says so in words.
TEST_F(LiquidPicture, SaysNoMeterFits) {
    fill("txtViscIn", "1");
    fill("txtTempIn", "301");
    findMeter();
    QImage blank(view()->image().size(), QImage::Format_RGB32);
    blank.fill(rangePictureColours().paper);
    EXPECT_EQ(view()->picture().emptyText, "No meters fit parameters");
    EXPECT_NE(view()->image(), blank);
}

}  // namespace
}  // namespace quorin::test
