#include "window_fixture.h"
#include "worked_example.h"

#include "fitting/evaluation.h"
#include "graph/bar_map.h"
#include "window/fitting/error_map.h"
#include "window/fitting/error_map_picture.h"
#include "window/fitting/error_map_view.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QThreadPool>
#include <QWheelEvent>

using namespace ajuste;

namespace {

class ErrorMap : public WorkedExample {
protected:
    // Ctrl+E from the step size box: no text box takes the keys for itself.
    ErrorMapView* openMap()
    {
        find("Text1")->setFocus();
        QTest::keyClick(find("Text1"), Qt::Key_E, Qt::ControlModifier);
        waitForMap();
        auto* view = form->findChild<ErrorMapView*>();
        EXPECT_TRUE(view && view->isVisible());
        return view;
    }
    // The map is worked out off the event thread: its last request shown.
    void waitForMap()
    {
        form->findChild<QThreadPool*>()->waitForDone();
        QCoreApplication::processEvents();
    }
    const std::vector<PathPoint>& path() const { return form->findChild<ajuste::ErrorMap*>()->path(); }
    // The parameters' boxes.
    QStringList boxes() const { return {textOf("Lval"), textOf("Cval"), textOf("Tval")}; }
    // The boxes, the read-outs and the bars of the plane.
    QStringList shown() const
    {
        return boxes() + readOuts() + QStringList{QString::number(position("LSCR")), QString::number(position("CSCR"))};
    }
};

TEST_F(ErrorMap, PathHoldsTheParametersEachStepShowedAndTheMarkerFollows)
{
    useMenu(find("graf"), texts::kErrorMap);
    waitForMap();
    auto* view = form->findChild<ErrorMapView*>();
    ASSERT_TRUE(view && view->isVisible());
    std::vector<QStringList> showed{boxes()};
    for (int step = 0; step < 3; ++step) {
        click("paso");
        showed.push_back(boxes());
    }
    ASSERT_EQ(path().size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        const Params& p = path()[k].p;
        EXPECT_EQ((QStringList{numberText(p.a), numberText(p.c), numberText(p.t0)}), showed[k]) << k;
        EXPECT_TRUE(path()[k].single);
    }
    EXPECT_EQ(view->marks().current, state().p);
    Params next = state().p;
    Sums sums;
    addPointSums(sums, next, {}, worked::kT, worked::kY);
    next.a -= 0.001 * sums.derL;
    EXPECT_EQ(view->marks().stepEnd->a, next.a);

    // Within the plane only the marker moves; the held t0 makes a new map.
    waitForMap();
    const qint64 map = view->layers().colours.cacheKey();
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    waitForMap();
    EXPECT_EQ(view->marks().current.c, state().p.c);
    EXPECT_EQ(view->layers().colours.cacheKey(), map);
    find<ScrollBar>("TSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    waitForMap();
    EXPECT_NE(view->layers().colours.cacheKey(), map);
    EXPECT_EQ(view->layers().surface.base.t0, state().p.t0);

    useMenu(view, texts::kClearPath);
    EXPECT_TRUE(path().empty());
    view->window()->close();
}

// The values under the mouse, in the boxes as if typed there, with the
// bars and read-outs; beyond a bar's reach, the recovery, as typing does.
TEST_F(ErrorMap, ClickSetsTheParametersAsTypingWould)
{
    ErrorMapView* view = openMap();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->placeOf({8, 0.5, 0}).toPoint());
    const Params picked = state().p;
    EXPECT_NEAR(picked.a, 8, 0.1);
    EXPECT_NEAR(picked.c, 0.5, 0.1);
    const QStringList afterClick = shown();
    for (const auto& [box, typed] : {std::pair{"Lval", QString("5")}, {"Cval", QString("1")},
                                     {"Lval", numberText(picked.a)}, {"Cval", numberText(picked.c)}}) {
        retype(box, typed);
        QTest::keyClick(find(box), Qt::Key_Return);
    }
    EXPECT_EQ(shown(), afterClick);
    EXPECT_EQ(state().p, picked);

    for (int notch = 0; notch < 6; ++notch) {
        const QPointF centre = view->placeOf({10, 0, 0});
        QWheelEvent out(centre, view->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &out);
    }
    waitForMap();
    EXPECT_LT(view->layers().surface.across.low, -20);
    QTest::mouseClick(view, Qt::LeftButton, {}, view->placeOf({-10, 0.5, 0}).toPoint());
    EXPECT_EQ(messageTexts(), texts::kOverflow);
    expectStartParameters();
    view->window()->close();
}

TEST_F(ErrorMap, AccessibleTextsFollowThePlaneAndTheParameters)
{
    ErrorMapView* view = openMap();
    EXPECT_EQ(view->accessibleName(), "Mapa del error cuadrático sobre a y c");
    EXPECT_EQ(view->accessibleDescription(),
              "a de 0 a 20 y c de -6 a 6, con t0 = 0. Ahora a = 5, c = 1; error cuadrático: " +
                  numberText(roundedTo(worked::kErrorCuad, 6)) + ".");
    form->findChild<QComboBox*>()->setCurrentIndex(2);
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    waitForMap();
    EXPECT_EQ(view->accessibleName(), "Mapa del error cuadrático sobre a y t0");
    EXPECT_TRUE(view->accessibleDescription().startsWith("a de 0 a 20 y t0 de -20 a 20, con c = 0,9. Ahora a = 5, t0 = 0;"))
        << view->accessibleDescription().toStdString();
    view->window()->close();
}

// A third point near 4·2,5^t leaves a degree of freedom: after "Mejor ajuste"
// the plane of a and c holds their joint region, whose reach is said and
// zoomed to; a step leaves the optimum and takes the region away.
TEST_F(ErrorMap, ConfidenceRegionAfterTheFit)
{
    click("Command5");
    fillRow(2, "2", "25,5");
    enterGraphView();
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    ErrorMapView* view = openMap();
    ASSERT_TRUE(view->marks().region);
    const ConfidenceRegion region = *view->marks().region;
    EXPECT_TRUE(view->accessibleDescription().contains(". Región de confianza del 95 % del óptimo: a de "));
    useMenu(view, texts::kShowRegion);
    waitForMap();
    EXPECT_NEAR(view->layers().surface.across.size(), 2 * region.xExtent.size(), 1e-9);
    EXPECT_NEAR(view->layers().surface.up.low, region.yExtent.at(-0.5), 1e-9);
    click("paso");
    waitForMap();
    EXPECT_FALSE(view->marks().region || view->accessibleDescription().contains("Región de confianza"));
    view->window()->close();
}

TEST_F(ErrorMap, CopiesAndSavesItsPicture)
{
    InTemporaryFolder folder;
    ErrorMapView* view = openMap();
    useMenu(view, texts::kCopyImage);
    EXPECT_GE(QApplication::clipboard()->image().width(), 2 * view->width());
    QStringList names{"mapa.pdf", "mapa.svg"};
    form->dialogs().fileToSave = [&](const QString&) { return names.takeFirst(); };
    useMenu(view, texts::kSaveImage);
    useMenu(view, texts::kSaveImage);
    expectPdfDrawsAsSvg("mapa.pdf", "mapa.svg");
    QFile svg("mapa.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(">Error cuadrático</text>"));
    view->window()->close();
}

// Zoomed in deeply the levels differ in late digits; where even fifteen digits
// cannot tell them apart, one label is left.
TEST_F(ErrorMap, ColourBarLabelsDifferAtAnyZoom)
{
    for (const auto [spacing, count] : {std::pair{1e-6, 11}, std::pair{1e-12, 11}, std::pair{0.0, 1}}) {
        MapLayers layers;
        layers.logs = Range{6.17, 6.171};
        for (int k = 0; k <= 10; ++k)
            layers.levels.push_back(6.1702 + k * spacing);
        const MapMarks marks;
        const std::vector<PathPoint> path;
        const std::vector<BarLabel> labels =
            barLabels({layers, marks, path, [&](double x) { return numberText(x); }, form->font()});
        ASSERT_EQ(int(labels.size()), count) << spacing;
        for (std::size_t k = 1; k < labels.size(); ++k)
            EXPECT_NE(labels[k - 1].text, labels[k].text) << spacing;
    }
}

// New points typed and shown: the planes span the new world's bars, and the
// cross of a fit stays only while it is the optimum of the plane shown.
TEST_F(ErrorMap, FollowsTheWorldAndDropsAStaleOptimum)
{
    ErrorMapView* view = openMap();
    useMenu(find("graf"), texts::kBestFit);
    ASSERT_TRUE(view->marks().optimum);
    find<ScrollBar>("TSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_FALSE(view->marks().optimum);
    find<ScrollBar>("TSCR")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_TRUE(view->marks().optimum);

    click("Command5");
    for (int row = 0; row < 3; ++row)
        fillRow(row, QString::number(40 * row), QString::number(1566 - 500 * row));
    click("Command5");
    waitForMap();
    const World world = state().view.world;
    ASSERT_NE(world, kBox);
    EXPECT_EQ(view->layers().surface.across, barRange(world, kScaleA));
    EXPECT_EQ(view->layers().surface.up, barRange(world, kScaleC));
    EXPECT_FALSE(view->marks().optimum);
    view->window()->close();
}

} // namespace
