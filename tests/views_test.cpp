#include "window_fixture.h"

#include "window/graph/scroll_bar.h"
#include "worked_example.h"

#include <QCheckBox>
#include <QTest>

using namespace ajuste;

namespace {

using Views = WindowTest;

TEST_F(Views, EmptyTableRefusesTheGraphView)
{
    click("Command5");
    EXPECT_EQ(messageTexts(), "no hay datos introducidos");
    expectTableView();
    EXPECT_EQ(state().ymedia, 0.0);
}

TEST_F(Views, GraphViewAndBackKeepParametersBoxesAndStepSize)
{
    typeWorkedExample();
    enterGraphView();
    expectGraphView();
    find<QCheckBox>("Check2")->setChecked(true);
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    find<QLineEdit>("Text1")->setText("0,002");

    click("Command5");
    expectTableView();
    click("Command5");
    expectGraphView();
    EXPECT_EQ(state().p.c, 1.1);
    EXPECT_EQ(find<ScrollBar>("CSCR")->value(), 11);
    EXPECT_TRUE(find<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), "0,002");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Views, MeanIsOverExactlyTheCapturedPoints)
{
    typeWorkedExample();
    fillRow(3, "2", "100"); // after the empty row: not captured
    enterGraphView();
    EXPECT_EQ(state().npuntos, 2);
    EXPECT_EQ(state().ymedia, worked::kYmedia);

    click("Command5");
    xv(1)->clear();
    enterGraphView(); // recomputed on each entry
    EXPECT_EQ(state().ymedia, 4.0);
}

} // namespace
