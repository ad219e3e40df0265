#include "fitting/descent.h"
#include "fitting/error_surface.h"
#include "fitting/least_squares.h"
#include "fitting/parameter_scale.h"
#include "graph/box_map.h"
#include "graph/plot.h"
#include "window/application.h"
#include "window/fitting/error_map_layers.h"
#include "window/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

using namespace ajuste;

namespace {

// Twenty points near 5·e^(0.3t), a little noisy.
struct Data {
    std::vector<double> t, y;
    Data()
    {
        for (int i = 0; i < 20; ++i) {
            t.push_back(i * 0.5 - 2);
            y.push_back(5 * std::exp(0.3 * t.back()) + 0.1 * std::sin(i * 7.0));
        }
    }
};

void Evaluation(benchmark::State& state)
{
    const Data data;
    for (auto _ : state) {
        Sums s;
        addPointSums(s, {5, 0.3, 0}, {}, data.t, data.y);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(Evaluation);

Params tenThousandSteps(const Data& data, const World& world = kBox)
{
    Params p = toWorld(world, {4, 0.25, 0});
    Sums s;
    const bool stopped = runBatch(p, s, {}, data.t, data.y, 1e300, stepSizes(world, 1e-7), 10000);
    benchmark::DoNotOptimize(stopped);
    return p;
}

// The floor for the batch: one exponential per point per pass.
double twoHundredThousandExps(const Data& data)
{
    double sum = 0;
    for (int pass = 0; pass < 10000; ++pass)
        for (double t : data.t)
            sum += std::exp(0.25 * t + pass * 1e-9);
    return sum;
}

template <class Work>
double bestSeconds(Work work)
{
    double best = 1e9;
    for (int run = 0; run < 20; ++run) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(work());
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// "10000 pasos" on 20 points, with a step small enough that it never stops;
// exp_ratio is its time over that of the exponentials it cannot avoid.
void TenThousandSteps(benchmark::State& state)
{
    const Data data;
    for (auto _ : state)
        benchmark::DoNotOptimize(tenThousandSteps(data));
    state.counters["exp_ratio"] = bestSeconds([&] { return tenThousandSteps(data); }) /
                                  bestSeconds([&] { return twoHundredThousandExps(data); });
}
BENCHMARK(TenThousandSteps)->Unit(benchmark::kMillisecond);

// The same points stretched into a world of counts over minutes, where each
// parameter has a step of its own.
void TenThousandStepsInAWorld(benchmark::State& state)
{
    const World world{-60, 1140, 0, 1e4};
    const BoxMap map = boxMap(world);
    Data data;
    for (std::size_t i = 0; i < data.t.size(); ++i) {
        data.t[i] = worldT(map, data.t[i]);
        data.y[i] *= map.sY;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tenThousandSteps(data, world));
    state.counters["exp_ratio"] = bestSeconds([&] { return tenThousandSteps(data, world); }) /
                                  bestSeconds([&] { return twoHundredThousandExps(Data{}); });
}
BENCHMARK(TenThousandStepsInAWorld)->Unit(benchmark::kMillisecond);

// The map of the squared error over a and c as far as their bars reach,
// t0 held, 256 × 256 cells: a dragged bar of t0 computes it again.
ErrorSurface errorMap(const Data& data)
{
    auto reach = [](const ParameterScale& scale) {
        return Range{scale.fromPosition(scale.minimum), scale.fromPosition(scale.maximum)};
    };
    return errorSurface(kPlanes[0], {4, 0.25, 0}, reach(kScaleA), reach(kScaleC), 256, 256, data.t, data.y);
}

// Next to the batch, which works through 200 000 point terms as the map's
// 1 310 720: batch_ratio is the map's time over the batch's.
void ErrorMap256(benchmark::State& state)
{
    const Data data;
    for (auto _ : state)
        benchmark::DoNotOptimize(errorMap(data));
    state.counters["batch_ratio"] = bestSeconds([&] { return errorMap(data).errors.size(); }) /
                                    bestSeconds([&] { return tenThousandSteps(data); });
}
BENCHMARK(ErrorMap256)->Unit(benchmark::kMillisecond);

// All the map window works out again for it: the cells' colours, the
// overflowed ones and the contours besides.
void ErrorMapLayers256(benchmark::State& state)
{
    const Data data;
    for (auto _ : state)
        benchmark::DoNotOptimize(mapLayers(errorMap(data)));
}
BENCHMARK(ErrorMapLayers256)->Unit(benchmark::kMillisecond);

FitResult bestFitOfData(const Data& data)
{
    return bestFit({4, 0.25, 0}, {}, data.t, data.y);
}

// "Mejor ajuste" from where the batch above starts, which fits from there
// and from the start read off the data; batch_ratio is the batch's time
// over the fit's.
void BestFit(benchmark::State& state)
{
    const Data data;
    if (bestFitOfData(data).status != FitStatus::Converged)
        state.SkipWithError("the fit does not converge");
    for (auto _ : state)
        benchmark::DoNotOptimize(bestFitOfData(data));
    state.counters["batch_ratio"] = bestSeconds([&] { return tenThousandSteps(data); }) /
                                    bestSeconds([&] { return bestFitOfData(data); });
}
BENCHMARK(BestFit)->Unit(benchmark::kMicrosecond);

void TwoHundredThousandExps(benchmark::State& state)
{
    const Data data;
    for (auto _ : state)
        benchmark::DoNotOptimize(twoHundredThousandExps(data));
}
BENCHMARK(TwoHundredThousandExps)->Unit(benchmark::kMillisecond);

// A click on the graph: clear, curve, points and the evaluation with its read-outs.
void FullRedraw(benchmark::State& state)
{
    Form1 form;
    form.dialogs().message = [](const QString&) {};
    const Data data;
    auto cells = form.findChildren<QLineEdit*>("xv");
    auto values = form.findChildren<QLineEdit*>("yv");
    for (int i = 0; i < 20; ++i) {
        cells[i]->setText(QString::number(data.t[i]).replace('.', ','));
        values[i]->setText(QString::number(data.y[i]).replace('.', ','));
    }
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("Command5"), Qt::LeftButton);
    QWidget* graf = form.findChild<QWidget*>("graf");
    for (auto _ : state)
        QTest::mouseClick(graf, Qt::LeftButton);
}
BENCHMARK(FullRedraw)->Unit(benchmark::kMicrosecond);

// A full redraw's coordinates, 161 samples and the 20 points, a thousand times.
double thousandRedrawCoordinates(const Data& data, const Params& p, const View& where)
{
    double sum = 0;
    const auto add = [&](double x, double y) { sum += x + y; };
    for (int i = 0; i < 1000; ++i) {
        plotCurve(p, CurveRule::Within10, where, add);
        plotPoints(data.t, data.y, where, add, add);
    }
    return sum;
}

// The data's own world against the box, each with the same curve
// in its values; box_ratio is the world's time over the box's.
void RedrawCoordinatesInAWorld(benchmark::State& state)
{
    const Data data;
    const World world = std::get<World>(chooseWorld(data.t, data.y));
    const Params inBox{5, 0.3, 0};
    const Params inWorld = toWorld(world, inBox);
    for (auto _ : state)
        benchmark::DoNotOptimize(thousandRedrawCoordinates(data, inWorld, View{world, std::nullopt}));
    state.counters["box_ratio"] = bestSeconds([&] { return thousandRedrawCoordinates(data, inWorld, View{world, std::nullopt}); }) /
                                  bestSeconds([&] { return thousandRedrawCoordinates(data, inBox, View{}); });
}
BENCHMARK(RedrawCoordinatesInAWorld)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "es_ES.UTF-8");
    QApplication app(argc, argv);
    setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
