// Painting the range picture of a results screen: eight meters onto an image
// the size of the results window the program tiles on a 1600 x 1000 screen
// (the main window opens at 1024 x 768; the results take the lower half).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "gas/Results.h"
#include "reports/RangePicture.h"
#include "shell/RangePictureView.h"

namespace {

using namespace quorin;

// Eight listed slots spanning three decades; the flow leaves two of them.
GasResultsView eightMeters() {
    GasResultsView view;
    view.FlowRateIn = 180;
    view.FlowUnitIn = "ACFM";
    const float ranges[8][2] = {{2.5f, 90},  {5, 200},   {9, 390},    {16, 700},
                                {24, 1100},  {40, 1800}, {23.56f, 1649.34f}, {54.39f, 2179.48f}};
    for (int k = 0; k < 8; ++k)
        view.meterSlots[k] = {"QWG" + std::to_string(k + 1) + "0", ranges[k][0], ranges[k][1], 0};
    return view;
}

void paintEightMeters(benchmark::State& state) {
    const RangePicture picture = gasRangePicture(eightMeters());
    QImage image(1024, 374, QImage::Format_RGB32);  // the tiled results window
    for (auto _ : state) {
        QPainter painter(&image);
        paintRangePicture(painter, image.rect(), picture);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintEightMeters)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
