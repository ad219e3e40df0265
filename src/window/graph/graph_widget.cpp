#include "window/graph/graph_widget.h"

#include "graph/plot.h"
#include "window/twips.h"

#include <QMouseEvent>
#include <QPainter>

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
    line->setGeometry(toPixels(kZeroX, pixelsPerTwip), 0, 1, size_.height());
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

// The device pixels that cover a rectangle of logical ones.
QRect Graph::toDevice(const QRect& logical) const
{
    const qreal ratio = image_.devicePixelRatio();
    auto device = [ratio](int pixel) { return static_cast<int>(std::lround(pixel * ratio)); };
    return QRect(QPoint(device(logical.left()), device(logical.top())),
                 QPoint(device(logical.right() + 1) - 1, device(logical.bottom() + 1) - 1));
}

void Graph::setPoint(double x, double y, const QColor& colour)
{
    const double px = x * scale_;
    const double py = y * scale_;
    if (!(px > -penWidth_ && px < size_.width() + penWidth_ && py > -penWidth_ &&
          py < size_.height() + penWidth_))
        return;
    const QRect dot = toDevice(QRect(toPixel(x, y), QSize(penWidth_, penWidth_))).intersected(image_.rect());
    for (int row = dot.top(); row <= dot.bottom(); ++row)
        for (int column = dot.left(); column <= dot.right(); ++column)
            image_.setPixel(column, row, colour.rgb());
    update();
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
