#include "window_fixture.h"

#include "window/graph/graph_widget.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>

using namespace ajuste;

namespace {

// Run once as it comes and once more under QT_SCALE_FACTOR=2, where every
// logical pixel is four of the screen's.
class Scale : public WindowTest {
protected:
    qreal ratio() const { return form->devicePixelRatioF(); }
    const QImage& image() const { return find<Graph>("graf")->image(); }

    // The logical pixels covered by the given colour in a device image.
    QRect logicalBounds(const QImage& device, const QColor& colour) const
    {
        QRect bounds;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                if (device.pixelColor(x, y) == colour)
                    bounds |= QRect(x, y, 1, 1);
        return QRectF(QPointF(bounds.topLeft()) / ratio(), QSizeF(bounds.size()) / ratio()).toRect();
    }

    void expectCaptionsFit() const;
};

TEST_F(Scale, GraphIsDrawnAtTheDeviceSize)
{
    auto* graph = find<Graph>("graf");
    EXPECT_EQ(image().size(), graph->size() * ratio());
    EXPECT_EQ(image().devicePixelRatio(), ratio());
}

// The point (2; 7,5) is the 4-pixel dot at logical (110, 65), as at 96 dpi.
TEST_F(Scale, PointsLandOnTheSameLogicalPixels)
{
    fillRow(0, "2", "7,5");
    enterGraphView();
    const QRect dot(110, 65, 4, 4);
    EXPECT_EQ(logicalBounds(image(), kBlue), dot);
    EXPECT_EQ(logicalBounds(find("graf")->grab().toImage(), kBlue), dot); // painted one to one
    EXPECT_EQ(image().pixelColor(int(80.5 * ratio()), int(133.5 * ratio())), kRed); // t = 0, f = 5
}

// Each caption whole within the room its control draws it in: a label's
// contents, a button's inside its frame.
void Scale::expectCaptionsFit() const
{
    auto expectFits = [](const QWidget* w, const QString& text, const QRect& room) {
        const QFontMetrics metrics(w->font());
        const QSize needed(metrics.horizontalAdvance(text), metrics.height()); // ascent and descent
        EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
            << w->objectName().toStdString() << " \"" << text.toStdString() << "\" needs " << needed.width()
            << "x" << needed.height() << ", has " << room.width() << "x" << room.height();
    };
    for (const QLabel* label : form->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            expectFits(label, label->text(), label->contentsRect());
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        if (!button->isVisible())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        expectFits(button, button->text(),
                   button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
}

TEST_F(Scale, NoCaptionIsClippedInEitherView)
{
    expectCaptionsFit();
    fillRow(0, "2", "7,5");
    enterGraphView();
    expectCaptionsFit();
}

} // namespace
