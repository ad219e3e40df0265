#include "window_fixture.h"

#include "near.h"
#include "window/scroll_bar.h"

#include <QCheckBox>
#include <QLabel>

using namespace ajuste;

namespace {

class ReadOuts : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        fillRow(0, "0", "4");
        fillRow(1, "1", "10");
    }

    // The read-outs are written with the decimal comma.
    double shownNumber(const char* name) const
    {
        bool ok = false;
        const double value = textOf(name).replace(',', '.').toDouble(&ok);
        EXPECT_TRUE(ok) << name;
        return value;
    }
    QColor errorBox() const { return background(find("label10")); }
};

TEST_F(ReadOuts, WorkedExampleOnEnteringTheGraphView)
{
    // Points (0;4), (1;10) at a = 5, c = 1, t0 = 0, mean 7: the documented figures.
    enterGraphView();
    EXPECT_TRUE(near12(state().sums.derL, 21.5249244201));
    EXPECT_TRUE(near12(state().sums.derC, 97.6246221006));
    EXPECT_TRUE(near12(state().sums.derT, -107.624622101));
    EXPECT_TRUE(near12(state().sums.errorCuad, 13.8982196274));
    EXPECT_TRUE(near12(shownNumber("Label6"), 21.5249244201));
    EXPECT_TRUE(near12(shownNumber("Label7"), 97.6246221006));
    EXPECT_TRUE(near12(shownNumber("Label8"), -107.624622101));
    EXPECT_TRUE(near12(shownNumber("label9"), 13.8982196274));
    EXPECT_TRUE(near12(shownNumber("label10"), 37.6588060918));
    // The first evaluation compares with the start value 0.
    EXPECT_EQ(errorBox(), kMagenta);
}

TEST_F(ReadOuts, SameErrorTurnsWhiteLargerTurnsMagenta)
{
    enterGraphView();
    click("graf");
    EXPECT_EQ(state().errorAnt, state().sums.errorCuad);
    EXPECT_EQ(errorBox(), kWhite);
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd); // c = 1.1: worse
    EXPECT_EQ(errorBox(), kMagenta);
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepSub); // back: better
    EXPECT_EQ(errorBox(), kWhite);
}

TEST_F(ReadOuts, FixedCGivesZeroDerivative)
{
    enterGraphView();
    const double derL = state().sums.derL;
    find<QCheckBox>("Check2")->setChecked(true);
    click("graf");
    EXPECT_EQ(state().sums.derC, 0.0);
    EXPECT_EQ(textOf("Label7"), "0");
    EXPECT_EQ(state().sums.derL, derL);
}

} // namespace
