#include "window/graph/graph_widget.h"

#include "graph/plot.h"
#include "window/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ajuste {

Graph::Graph(double pixelsPerTwip, QWidget* parent)
    : QWidget(parent),
      scale_(pixelsPerTwip),
      size_(toPixels(kGraphWidth, pixelsPerTwip), toPixels(kGraphHeight, pixelsPerTwip))
{
    // Drawn at the screen's own pixels; painted back at the logical size.
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(size_) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear();

    auto* line = new QWidget(this);
    line->setObjectName("Line2");
    line->setGeometry(lineAtZero());
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, Qt::black);
    line->setPalette(p);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Graph::setBackground(const QColor& colour)
{
    background_ = colour;
    clear();
}

void Graph::clear()
{
    dots_.clear();
    image_.fill(background_);
    update();
}

void Graph::setPenWidth(int pixels)
{
    penWidth_ = pixels;
}

QPoint Graph::toPixel(double x, double y) const
{
    const double half = (penWidth_ - 1) / 2.0;
    return {static_cast<int>(std::floor(x * scale_ - half)), static_cast<int>(std::floor(y * scale_ - half))};
}

QRect Graph::lineAtZero() const
{
    return {toPixels(kZeroX, scale_), 0, 1, size_.height()};
}

void Graph::setPoint(double x, double y, const QColor& colour)
{
    const double px = x * scale_;
    const double py = y * scale_;
    if (!(px > -penWidth_ && px < size_.width() + penWidth_ && py > -penWidth_ &&
          py < size_.height() + penWidth_))
        return;
    const QRect place = QRect(toPixel(x, y), QSize(penWidth_, penWidth_)) & QRect(QPoint(), size_);
    if (place.isEmpty())
        return;
    dots_.push_back({place, colour});
    QPainter painter(&image_);
    paintDots(painter, std::span(dots_).last(1));
    update();
}

void Graph::paint(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(), size_), background_);
    paintDots(painter, dots_);
    painter.fillRect(lineAtZero(), Qt::black); // Line2 lies over the drawing
}

// Each run of dots of one colour is one shape, so that a vector file holds
// the curve as one path. Overlapping dots must not cancel out.
void Graph::paintDots(QPainter& painter, std::span<const Dot> dots)
{
    for (auto run = dots.begin(); run != dots.end();) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        auto end = run;
        for (; end != dots.end() && end->colour == run->colour; ++end)
            path.addRect(end->place);
        painter.fillPath(path, run->colour);
        run = end;
    }
}

void Graph::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

void Graph::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

// A click is a press and a release of the left button over the graph.
void Graph::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    if (click)
        emit clicked();
}

} // namespace ajuste
