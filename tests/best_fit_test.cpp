#include "near.h"
#include "window_fixture.h"

#include "window/fitting/fit_refusal.h"
#include "window/fitting/results_window.h"
#include "window/graph/graph_widget.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QTest>

#include <cmath>

using namespace ajuste;

namespace {

using BestFit = WorkedExample;

// Two points and two free parameters, t0 held as the origin: the curve goes
// through both, a = 4 and c = ln(10/4), and nothing is left for uncertainties.
TEST_F(BestFit, MenuEntryFillsBoxesBarsReadOutsAndResults)
{
    useMenu(find("graf"), texts::kBestFit);
    EXPECT_EQ(textOf("Lval"), "4");
    EXPECT_NEAR(shownNumber("Cval"), std::log(2.5), 1e-12);
    EXPECT_EQ(textOf("Tval"), "0");
    EXPECT_EQ(position("LSCR"), -60);
    EXPECT_EQ(position("CSCR"), 9);
    EXPECT_LT(std::fabs(shownNumber("label9")), 1e-20);
    EXPECT_LT(std::fabs(shownNumber("Label6")) + std::fabs(shownNumber("Label7")), 1e-9);

    useMenu(find("graf"), texts::kResults);
    auto* results = form->findChild<ResultsWindow*>();
    ASSERT_TRUE(results && results->isVisible());
    const QString shown = results->shownText();
    EXPECT_TRUE(shown.contains(QString(texts::kT0AsOrigin).arg("0").toHtmlEscaped()) && shown.contains(texts::kMissingPoints));
    EXPECT_FALSE(shown.contains(texts::kStale));

    find<ScrollBar>("LSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_TRUE(results->shownText().contains(texts::kStale));
    EXPECT_TRUE(messages.empty());
}

class BestFitOf : public WindowTest {
protected:
    // Three points near 4·2,5^t, fitted.
    void fitThreePoints()
    {
        typeWorkedExample();
        fillRow(2, "2", "25,5");
        enterGraphView();
        QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    }
};

// Three points near 4·2,5^t: the fit has a degree of freedom left, and its
// uncertainties are copied with the values and those of the rate; its
// gradient is not quite 0, so a step leaves the optimum.
TEST_F(BestFitOf, ThreePointsCopiesTheUncertainties)
{
    fitThreePoints();
    useMenu(find("graf"), texts::kCopyResults);
    const QString copied = QApplication::clipboard()->text();
    for (const char* name : {"a", "c", "τ", "t₂"})
        EXPECT_TRUE(copied.contains(QString(texts::kStandardError).arg(name) + '\t')) << name;
    for (const char* name : {texts::kGrowthTimeConstant, texts::kDoublingTime})
        EXPECT_TRUE(copied.contains(QString(name) + '\t')) << name;
    EXPECT_TRUE(copied.contains(QString(texts::kCorrelation).arg("a", "c") + '\t'));
    EXPECT_TRUE(copied.contains(QString(texts::kStartResult) + '\t' + texts::kFromCurrent));

    useMenu(find("graf"), texts::kResults);
    EXPECT_FALSE(form->findChild<ResultsWindow*>()->shownText().contains(texts::kStale));
    click("paso");
    EXPECT_TRUE(form->findChild<ResultsWindow*>()->shownText().contains(texts::kStale));
}

// Offered, and drawn under the curve, while the fit is current; a step takes it away.
TEST_F(BestFitOf, ConfidenceBandOnlyWhileTheFitIsCurrent)
{
    QAction* band = nullptr;
    for (QAction* action : form->findChildren<QAction*>())
        if (action->text() == texts::kConfidenceBand)
            band = action;
    ASSERT_TRUE(band && !band->isEnabled());
    fitThreePoints();
    ASSERT_TRUE(band->isEnabled());
    band->trigger();
    EXPECT_TRUE(form->graph().hasUnderlay());
    click("paso");
    EXPECT_FALSE(band->isEnabled() || form->graph().hasUnderlay());
}

// c = ln 900 lies beyond CSCR's 6: the values are said and nothing moves.
TEST_F(BestFitOf, OptimumBeyondTheBarsIsRefused)
{
    fillRow(0, "0", "0,01");
    fillRow(1, "1", "9");
    enterGraphView();
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(messageTexts().startsWith("El óptimo (a = 0,01, c = 6,80239476332")) << messageTexts().toStdString();
    useMenu(find("graf"), texts::kDataStart);
    EXPECT_TRUE(messages.back().text.startsWith("Los valores iniciales desde los datos (a = 0,01, c = 6,80239476332"));
    EXPECT_EQ(textOf("Lval"), "5");
}

// At a = 0 the curve does not move with c: the data's start wins.
TEST_F(BestFit, FromAZeroTheDataStartWinsAndTheResultsSaySo)
{
    find<ScrollBar>("LSCR")->triggerAction(QAbstractSlider::SliderToMinimum);
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(textOf("Lval"), "4");
    useMenu(find("graf"), texts::kCopyResults);
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QString(texts::kStartResult) + '\t' + texts::kFromData));
}

// Four points near 4·2,5^t: the line of ln y on t, worked outside the
// program, with c fixed at 1 and then free.
TEST_F(BestFitOf, DataStartSetsTheFreeParametersAsIfTyped)
{
    for (auto [row, t, y] : {std::tuple{0, "0", "4"}, {1, "1", "10,5"}, {2, "2", "24,5"}, {3, "3", "63"}})
        fillRow(row, t, y);
    enterGraphView();
    QTest::mouseClick(find<QCheckBox>("Check2"), Qt::LeftButton);
    useMenu(find("graf"), texts::kDataStart);
    EXPECT_TRUE(near12(state().p.a, 3.56038742274) && state().p.c == 1);
    QTest::mouseClick(find<QCheckBox>("Check2"), Qt::LeftButton);
    useMenu(find("graf"), texts::kDataStart);
    EXPECT_TRUE(near12(state().p.a, 4.06411709304) && near12(state().p.c, 0.911781895620));
    // In the points' world, t −0,5 … 3,5 and y 0 … 70, a bar step of a is 0,7 and of c 0,5.
    EXPECT_EQ(QList<int>({position("LSCR"), position("CSCR")}), QList<int>({-94, 2}));
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
}

TEST_F(BestFitOf, DataStartFromOnePointIsRefused)
{
    fillRow(0, "0", "4");
    enterGraphView();
    useMenu(find("graf"), texts::kDataStart);
    EXPECT_EQ(messageTexts(), texts::kNoStartTooFewPoints);
    expectStartParameters();
}

// A refusal and data that cause it, from where the window starts with the
// boxes named ticked.
struct Refusal {
    std::vector<std::pair<const char*, const char*>> points;
    std::vector<const char*> fixed;
    QString said;
};

class BestFitRefused : public WindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(BestFitRefused, SaysWhyAndWhatToTry)
{
    const Refusal& r = GetParam();
    for (int i = 0; i < int(r.points.size()); ++i)
        fillRow(i, r.points[i].first, r.points[i].second);
    enterGraphView();
    for (const char* box : r.fixed)
        QTest::mouseClick(find<QCheckBox>(box), Qt::LeftButton);
    const Params before = state().p;
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(messageTexts(), r.said);
    EXPECT_TRUE(state().p == before);
}

INSTANTIATE_TEST_SUITE_P(Causes, BestFitRefused, ::testing::Values(
    Refusal{{{"0", "4"}}, {"Check3"}, QString(texts::kTooFewPoints).arg(1).arg(2)},
    Refusal{{{"0", "4"}}, {}, QString(texts::kTooFewPointsAAndT0).arg(1)},
    Refusal{{{"0", "6,73"}, {"4,28", "-1,05"}}, {"Check3"}, texts::kNoMinimum}));

// The window's own values never overflow (the recovery resets them), so a
// start that does comes from the core's case; the data decide whether
// their start can be offered instead.
TEST_F(BestFitOf, OverflowingStartOffersTheDataStartWhereThereIsOne)
{
    FitResult fit;
    fit.status = FitStatus::StartOverflows;
    for (const auto& [y, said] : {std::pair{"2", texts::kStartOverflows}, {"-2", texts::kStartOverflowsOneSign}}) {
        typeWorkedExample();
        fillRow(1, "1", y);
        enterGraphView();
        EXPECT_EQ(fitRefusal(fit, *form), said);
        click("Command5");
    }
}

TEST_F(BestFit, EveryParameterFixedLeavesNothingToFit)
{
    for (const char* box : {"Check1", "Check2", "Check3"})
        QTest::mouseClick(find<QCheckBox>(box), Qt::LeftButton);
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(messageTexts(), texts::kNothingToFit);
    EXPECT_EQ(textOf("Lval"), "5");
}

} // namespace
