#include "window_fixture.h"

#include "common/numeric_error.h"
#include "window/graph/scroll_bar.h"

#include <QSignalSpy>

using namespace ajuste;

namespace {

using ScrollBars = WindowTest;

TEST_F(ScrollBars, MoveOnePositionAndReportOnlyChanges)
{
    auto* bar = find<ScrollBar>("TSCR");
    QSignalSpy changes(bar, &QScrollBar::valueChanged);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 1);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(changes.count(), 2);
    bar->setPosition(0);
    EXPECT_EQ(changes.count(), 2); // same position: no change event
    EXPECT_THROW(bar->setPosition(101), NumericError);
    EXPECT_THROW(bar->setPosition(-101), NumericError);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(bar->hasTracking());
}

} // namespace
