#include "window/fitting/residuals_view.h"

#include <QPainter>

namespace ajuste {

ResidualsView::ResidualsView(std::function<QString(double)> text, QWidget* parent)
    : QWidget(parent), text_(std::move(text))
{
    setMinimumSize(240, 160);
}

void ResidualsView::setPlot(ResidualsPlot plot)
{
    plot_ = std::move(plot);
    update();
}

// The size shown, scaled to the target.
Picture ResidualsView::picture() const
{
    const QSizeF shown = size();
    return {size(), double(logicalDpiX()), [this, shown](QPainter& painter, const QRectF& target) {
                painter.save();
                fitInto(painter, target, shown);
                paintResiduals(painter, shown, residualsPicture());
                painter.restore();
            }};
}

ResidualsPicture ResidualsView::residualsPicture() const
{
    return {plot_, text_, pictureFont(font())};
}

void ResidualsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintResiduals(painter, size(), residualsPicture());
}

} // namespace ajuste
