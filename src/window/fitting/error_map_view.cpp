#include "window/fitting/error_map_view.h"

#include "graph/ticks.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace ajuste {

namespace {

constexpr double kZoomStep = 0.8; // a wheel's notch or a key

// x to the coarsest power of ten no larger than a pixel.
double roundedToPixel(double x, double pixel)
{
    const RoundStep step{1, static_cast<int>(std::floor(std::log10(pixel)))};
    return step.at(std::round(x / step.size()));
}

} // namespace

ErrorMapView::ErrorMapView(const std::vector<PathPoint>& path, std::function<QString(double)> text, QWidget* parent)
    : QWidget(parent), path_(path), text_(std::move(text))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 240);
}

void ErrorMapView::setLayers(MapLayers layers)
{
    layers_ = std::move(layers);
    update();
}

void ErrorMapView::setMarks(const MapMarks& marks)
{
    marks_ = marks;
    update();
}

std::optional<QPointF> ErrorMapView::valuesAt(const QPointF& at) const
{
    const QRectF plot = plotArea(size(), mapPicture());
    if (!plot.contains(at))
        return std::nullopt;
    const ErrorSurface& surface = layers_.surface;
    return QPointF(roundedToPixel(surface.across.at((at.x() - plot.left()) / plot.width()),
                                  surface.across.size() / plot.width()),
                   roundedToPixel(surface.up.at((plot.bottom() - at.y()) / plot.height()),
                                  surface.up.size() / plot.height()));
}

QPointF ErrorMapView::placeOf(const Params& p) const
{
    return placeOnPlot(plotArea(size(), mapPicture()), layers_.surface, p);
}

Picture ErrorMapView::picture() const
{
    const QSizeF shown = size();
    return {size(), double(logicalDpiX()), [this, shown](QPainter& painter, const QRectF& target) {
                painter.save();
                painter.fillRect(target, Qt::white);
                fitInto(painter, target, shown);
                paintMap(painter, shown, mapPicture());
                painter.restore();
            }};
}

MapPicture ErrorMapView::mapPicture() const
{
    return {layers_, marks_, path_, text_, pictureFont(font())};
}

void ErrorMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintMap(painter, size(), mapPicture());
}

void ErrorMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<QPointF> values = valuesAt(event->position())) {
        dragging_ = true;
        emit picked(*values);
    }
}

void ErrorMapView::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<QPointF> values = valuesAt(event->position());
    emit hovered(values);
    if (dragging_ && values && (event->buttons() & Qt::LeftButton))
        emit picked(*values);
}

void ErrorMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
}

void ErrorMapView::leaveEvent(QEvent*)
{
    emit hovered(std::nullopt);
}

void ErrorMapView::wheelEvent(QWheelEvent* event)
{
    zoomAt(event->position(), std::pow(kZoomStep, event->angleDelta().y() / 120.0));
}

// About the mouse when it is over the cells, else about their centre.
void ErrorMapView::keyPressEvent(QKeyEvent* event)
{
    const bool in = event->key() == Qt::Key_Plus;
    if (!in && event->key() != Qt::Key_Minus)
        return QWidget::keyPressEvent(event);
    const QPointF mouse = mapFromGlobal(QCursor::pos());
    const QPointF at = valuesAt(mouse) ? mouse : plotArea(size(), mapPicture()).center();
    zoomAt(at, in ? kZoomStep : 1 / kZoomStep);
}

void ErrorMapView::zoomAt(const QPointF& at, double factor)
{
    if (const std::optional<QPointF> values = valuesAt(at); values && factor != 1.0)
        emit zoomed(*values, factor);
}

} // namespace ajuste
