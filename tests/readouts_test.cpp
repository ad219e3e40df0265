#include "window_fixture.h"

#include "near.h"
#include "window/graph/scroll_bar.h"
#include "worked_example.h"

#include <QCheckBox>
#include <QLabel>

#include <tuple>

using namespace ajuste;

namespace {

using ReadOuts = WorkedExample;

// The sums held and shown as the window writes numbers.
TEST_F(ReadOuts, WorkedExampleOnEnteringTheGraphView)
{
    const std::tuple<const char*, double Sums::*, double> sums[] = {
        {"Label6", &Sums::derL, worked::kDerL},
        {"Label7", &Sums::derC, worked::kDerC},
        {"Label8", &Sums::derT, worked::kDerT},
        {"label9", &Sums::errorCuad, worked::kErrorCuad},
    };
    for (const auto& [control, sum, expected] : sums) {
        EXPECT_TRUE(near12(state().sums.*sum, expected)) << control;
        EXPECT_EQ(textOf(control), numberText(state().sums.*sum)) << control;
    }
    EXPECT_TRUE(near12(shownNumber("label10"), worked::kNormalised));
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
