#include "window_fixture.h"

#include "window/graph/scroll_bar.h"

#include <QCheckBox>
#include <QLabel>

using namespace ajuste;

namespace {

using ReadOuts = WorkedExample;

TEST_F(ReadOuts, WorkedExampleOnEnteringTheGraphView)
{
    expectWorkedEvaluation();
    // The first evaluation compares with the start value 0.
    EXPECT_EQ(errorBox(), kMagenta);
}

TEST_F(ReadOuts, SameErrorTurnsWhiteLargerTurnsMagenta)
{
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
    const double derL = state().sums.derL;
    find<QCheckBox>("Check2")->setChecked(true);
    click("graf");
    EXPECT_EQ(state().sums.derC, 0.0);
    EXPECT_EQ(textOf("Label7"), "0");
    EXPECT_EQ(state().sums.derL, derL);
}

} // namespace
