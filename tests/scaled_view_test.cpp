#include "window_fixture.h"

#include "near.h"
#include "window/graph/graph_widget.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QLabel>
#include <QTest>

using namespace ajuste;

namespace {

// Air pressure in pascals against the altitude in kilometres (the standard
// atmosphere): its world is t −2 … 12, y 0 … 120000, so the box's t is
// stretched by 0,7 from 1,5 and its y by 12000.
class DataWorld : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const char* pressures[] = {"101325", "89876", "79501", "70121", "61660", "54048",
                                   "47218",  "41105", "35652", "30801", "26500"};
        for (int km = 0; km <= 10; ++km)
            fillRow(km, QString::number(km), pressures[km]);
        enterGraphView();
    }

    int blueDots() const
    {
        const QImage& image = find<Graph>("graf")->image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == kBlue;
        return n / 16; // a point is 4 × 4 pixels
    }

    QStringList axisNumbers() const
    {
        return {textOf("Minimo"), textOf("maximo"), textOf("inicio"), textOf("Final"), textOf("Label14")};
    }
};

TEST_F(DataWorld, EveryPointIsDrawnInsideTheGraph)
{
    EXPECT_EQ(blueDots(), 11);
    EXPECT_EQ(axisNumbers(), QStringList({"-2", "12", "0", "120000", "0"}));
    EXPECT_TRUE(messages.empty());
}

// The start values are the box's a = 5, c = 1, t0 = 0 mapped onto the world.
TEST_F(DataWorld, RecoveryResetsToTheWorldsStartValues)
{
    retype("Cval", "abc");
    QTest::keyClick(find("Cval"), Qt::Key_Return);
    EXPECT_EQ(messageTexts(), "Desbordamiento");
    EXPECT_TRUE(near12(state().p.a, 60000));
    EXPECT_TRUE(near12(state().p.c, 1 / 0.7));
    EXPECT_TRUE(near12(state().p.t0, 1.5));
    EXPECT_EQ(position("LSCR"), -50);
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_TRUE(near12(state().p.c, 1.1 / 0.7)); // a step of the bar is a step of the box
}

TEST_F(DataWorld, BarsReachTheOptimumAndTheLogScaleShowsALine)
{
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
    EXPECT_NEAR(shownNumber("Cval"), -0.1305, 5e-4); // a scale height near 7,7 km

    useMenu(find("graf"), texts::kLogScale);
    EXPECT_EQ(axisNumbers(), QStringList({"-2", "12", "10000", "1000000", "0"}));
    EXPECT_EQ(blueDots(), 11);
}

// Back inside the box, the window is as the form lays it out again.
TEST_F(DataWorld, DataInsideTheBoxBringTheBoxBack)
{
    InTemporaryFolder folder;
    writeFile(" 2 \r\n0\r\n4\r\n1\r\n10\r\n");
    click("Recuperar");
    EXPECT_EQ(axisNumbers(), QStringList({"-5", "15", "0", "10", "0"}));
    EXPECT_EQ(find("Label14")->x(), 1800 / 15); // at 96 dpi, as the form places it
}

} // namespace
