#include "window_fixture.h"

#include "window/fitting/results_window.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QCheckBox>
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

TEST_F(BestFit, EveryParameterFixedLeavesNothingToFit)
{
    for (const char* box : {"Check1", "Check2", "Check3"})
        QTest::mouseClick(find<QCheckBox>(box), Qt::LeftButton);
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(messageTexts(), texts::kNothingToFit);
    EXPECT_EQ(textOf("Lval"), "5");
}

} // namespace
