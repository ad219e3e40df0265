#include "window_fixture.h"

#include "window/graph/graph_widget.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QTest>

using namespace ajuste;

namespace {

// At 96 dpi a pixel is 15 twips.
QPoint pixel(double x, double y)
{
    return {int(x / 15), int(y / 15)};
}

class Drawing : public WindowTest {
protected:
    const QImage& image() const { return find<Graph>("graf")->image(); }

    int count(const QColor& colour) const
    {
        int n = 0;
        for (int y = 0; y < image().height(); ++y)
            for (int x = 0; x < image().width(); ++x)
                n += image().pixelColor(x, y) == colour;
        return n;
    }
};

TEST_F(Drawing, StartCurveAndACapturedPoint)
{
    fillRow(0, "2", "7,5");
    enterGraphView();
    EXPECT_EQ(count(kRed), 46); // one pixel per sample of 5·e^t below 10
    EXPECT_EQ(image().pixelColor(pixel(1200, 2000)), kRed);
    EXPECT_EQ(image().pixelColor(pixel(1680, 1000)), kBlue);
    EXPECT_EQ(count(kBlue), 16); // one dot of 4 × 4 pixels
}

TEST_F(Drawing, ClearingKeepsTheLineAtZero)
{
    fillRow(0, "2", "7,5");
    enterGraphView();
    auto* graph = find<Graph>("graf");
    graph->clear();
    EXPECT_EQ(count(kGreen), image().width() * image().height());
    const QImage shown = graph->grab().toImage();
    EXPECT_EQ(shown.pixelColor(80, 250), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(79, 250), kGreen);
}

TEST_F(Drawing, EnormousValuesAreDroppedWithoutDisturbingTheRest)
{
    fillRow(0, "1e301", "-1e301"); // no world holds it: the box stays, and it maps far outside
    fillRow(1, "2", "7,5");
    enterGraphView();
    EXPECT_EQ(messageTexts(), texts::noWorld(NoWorld::TooLarge));
    EXPECT_EQ(image().pixelColor(pixel(1680, 1000)), kBlue);
    EXPECT_EQ(count(kBlue), 16);
}

struct Failure {
    const char* name;
    const char* t0;
    const char* y0;
    const char* t1;
    const char* y1;
    QString message = ""; // on entering the graph view
};

class FailingRedraw : public Drawing, public ::testing::WithParamInterface<Failure> {};

// Nothing handles a failed full redraw under a click on the graph or a
// scroll bar: it must stop, keep its drawing and leave the controls live.
TEST_P(FailingRedraw, LeavesTheWindowUsable)
{
    fillRow(0, GetParam().t0, GetParam().y0);
    fillRow(1, GetParam().t1, GetParam().y1);
    enterGraphView();
    EXPECT_EQ(messageTexts(), GetParam().message);
    messages.clear();
    EXPECT_FALSE(state().ocupado);
    click("graf");
    EXPECT_FALSE(state().ocupado);
    EXPECT_GT(count(kRed), 0); // the curve came before the failure
    EXPECT_TRUE(textOf("label9").isEmpty() && textOf("label10").isEmpty());

    const int before = position("CSCR");
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(position("CSCR"), before + 1);
    EXPECT_EQ(find<QLineEdit>("Cval")->text(), numberText(state().p.c));
    EXPECT_FALSE(state().ocupado);
    EXPECT_TRUE(messages.empty());
}

// A world keeps the start curve finite over any data it holds: only data
// no world holds can overflow.
INSTANTIATE_TEST_SUITE_P(Cases, FailingRedraw,
                         ::testing::Values(Failure{"zero_mean", "0", "1", "1", "-1"},
                                           Failure{"point_overflows_the_axis", "0", "1", "1", "1e308",
                                                   texts::noWorld(NoWorld::TooLarge)}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
