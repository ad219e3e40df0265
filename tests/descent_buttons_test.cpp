#include "window_fixture.h"

#include "near.h"
#include "worked_example.h"

#include <QCheckBox>
#include <QTest>

using namespace ajuste;

namespace {

using Descent = WorkedExample;

// The read-outs are those of the point the step starts from, as on entering.
TEST_F(Descent, OneStepShowsTheSumsItStartsFromAndMovesAgainstThem)
{
    click("paso");

    EXPECT_EQ(readOuts(), shownAtStart);
    EXPECT_EQ(errorBox(), kWhite);
    expectWorkedStep();
    const Params& p = state().p;
    EXPECT_EQ(QStringList({textOf("Lval"), textOf("Cval"), textOf("Tval")}),
              QStringList({numberText(p.a), numberText(p.c), numberText(p.t0)}));
    EXPECT_EQ(QList<int>({position("LSCR"), position("CSCR"), position("TSCR")}),
              QList<int>({worked::kStepLSCR, worked::kStepCSCR, worked::kStepTSCR}));
}

TEST_F(Descent, HundredStepsAfterAGrowingStepStopBeforeTheirFirstUpdate)
{
    retype("Text1", "0,01");
    click("paso");
    const Params after = state().p;
    click("paso3");

    EXPECT_TRUE(state().p.a == after.a && state().p.c == after.c && state().p.t0 == after.t0);
    EXPECT_EQ(errorBox(), kMagenta);
    // Error at a = 4,78475…, c = 0,02375…, t0 = 1,07624…, by hand.
    EXPECT_TRUE(near12(state().sums.errorCuad, worked::kErrorAfterStep001));
    EXPECT_EQ(textOf("label9"), numberText(state().sums.errorCuad));
}

TEST_F(Descent, TenThousandStepsWithFallingErrorApplyEveryUpdate)
{
    retype("Text1", "0,00002");
    click("paso4");

    // The same 10000 passes in double precision outside the program; a pass
    // more or less would differ from the seventh digit on.
    EXPECT_NEAR(state().p.a, 4.949108583722893, 1e-10);
    EXPECT_NEAR(state().p.c, 0.9144128576127817, 1e-10);
    EXPECT_NEAR(state().p.t0, 0.23094252990991473, 1e-10);
    // The read-outs are those of the last pass, before its update.
    EXPECT_NEAR(state().sums.errorCuad, 5.036076479822956e-05, 1e-13);
    EXPECT_EQ(textOf("label9"), numberText(state().sums.errorCuad));
    EXPECT_EQ(errorBox(), kWhite);
    EXPECT_EQ(position("LSCR"), -51);
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
}

TEST_F(Descent, BatchEndingBeyondTheCBarRecoversAfterWritingWhatCameBefore)
{
    retype("Text1", "0,1");
    QStringList boxes;
    std::pair<int, int> bars;
    onMessage = [&] {
        boxes = {textOf("Lval"), textOf("Cval"), textOf("Tval")};
        bars = {position("LSCR"), position("CSCR")};
    };
    click("paso3");

    ASSERT_EQ(messageTexts(), "Desbordamiento");
    // One update with the worked sums, then the error grows and the batch
    // stops: c = 1 − 0,1 · 97,62… lies beyond −6,05.
    const Params& p = messages[0].state.p;
    EXPECT_TRUE(near12(p.a, worked::kStep01A));
    EXPECT_TRUE(near12(p.c, worked::kStep01C));
    EXPECT_EQ(boxes, QStringList({numberText(p.a), numberText(p.c), "0"}));
    EXPECT_EQ(bars, std::pair(-72, 10));
}

TEST_F(Descent, FixedCStaysAndShowsAZeroDerivative)
{
    QTest::mouseClick(find("Check2"), Qt::LeftButton);
    ASSERT_EQ(find<QCheckBox>("Check2")->checkState(), Qt::Checked);
    click("paso");

    EXPECT_EQ(state().p.c, 1.0);
    EXPECT_EQ(textOf("Label7"), "0");
    EXPECT_TRUE(near12(state().p.a, worked::kStepA));
    EXPECT_TRUE(near12(state().p.t0, worked::kStepT0));
}

struct StepSize {
    const char* name;
    const char* typed;
    const char* shown; // empty: the step ends in the recovery
    double a, t0;
};

class StepSizes : public WindowTest, public ::testing::WithParamInterface<StepSize> {};

// One point (0; 5,1) at a = 5, c = 1, t0 = 0: derL = −0,2, derC = 0 and
// derT = 1, so a step takes a to 5 + 0,2·h and t0 to −h.
TEST_P(StepSizes, AreReadInTheUsersNotation)
{
    const StepSize s = GetParam();
    fillRow(0, "0", "5,1");
    enterGraphView();
    retype("Text1", s.typed);
    find<QLineEdit>("Lval")->setText("5,00");
    click("paso");

    if (!*s.shown) {
        EXPECT_EQ(messageTexts(), "Desbordamiento");
        EXPECT_EQ(textOf("Text1"), s.typed);
        return;
    }
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
    EXPECT_EQ(textOf("Text1"), s.shown);
    EXPECT_TRUE(near12(state().p.a, s.a));
    EXPECT_EQ(state().p.c, 1.0);
    EXPECT_NEAR(state().p.t0, s.t0, 1e-12);
    EXPECT_EQ(textOf("Lval"), numberText(state().p.a));
    EXPECT_EQ(textOf("label9"), numberText(state().sums.errorCuad));
}

INSTANTIATE_TEST_SUITE_P(Spanish, StepSizes,
                         ::testing::Values(StepSize{"zero", "0", "0", 5, 0},
                                           StepSize{"no_leading_digit", ",5", "0,5", 5.1, -0.5},
                                           StepSize{"period_groups_digits", "0.001", "1", 5.2, -1},
                                           StepSize{"empty", "", "", 0, 0},
                                           StepSize{"letters", "abc", "", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Descent, PressesWhileBusyDoNothingAtAll)
{
    retype("Text1", "0,01");
    click("paso");
    click("paso"); // the error has grown since the first step
    ASSERT_EQ(errorBox(), kMagenta);
    retype("Text1", "abc");

    onMessage = [&] {
        ASSERT_TRUE(state().ocupado);
        const WindowState before = state();
        const QString readOut = textOf("label10");
        find<QLineEdit>("Text1")->setText("0,0010"); // a run would show it as 0,001
        for (const char* button : {"paso", "paso3", "paso4"})
            QTest::mouseClick(find(button), Qt::LeftButton);
        EXPECT_EQ(state().p.a, before.p.a);
        EXPECT_EQ(state().p.c, before.p.c);
        EXPECT_EQ(state().errorAnt, before.errorAnt);
        EXPECT_EQ(textOf("Text1"), "0,0010");
        EXPECT_EQ(textOf("label10"), readOut);
        EXPECT_EQ(errorBox(), kMagenta);
    };
    click("paso");
    EXPECT_EQ(messageTexts(), "Desbordamiento");
}

} // namespace
