#include "window/graph/graph_widget.h"

#include "graph/plot.h"
#include "window/picture_files.h"
#include "window/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ajuste {

Graph::Graph(double pixelsPerTwip, QWidget* parent)
    : QWidget(parent),
      scale_(pixelsPerTwip),
      size_(toPixels(kGraphWidth, pixelsPerTwip), toPixels(kGraphHeight, pixelsPerTwip)),
      line_(new QWidget(this)),
      zeroX_(kZeroX)
{
    // Drawn at the screen's own pixels; painted back at the logical size.
    const qreal ratio = devicePixelRatioF();
    image_ = QImage((QSizeF(size_) * ratio).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    clear();

    line_->setObjectName("Line2");
    line_->setGeometry(lineAtZero());
    line_->setAutoFillBackground(true);
    QPalette p = line_->palette();
    p.setColor(QPalette::Window, Qt::black);
    line_->setPalette(p);
    line_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Graph::setZeroLine(std::optional<double> x)
{
    zeroX_ = x;
    line_->setVisible(x.has_value());
    if (x)
        line_->setGeometry(lineAtZero());
}

void Graph::setTicks(std::vector<Tick> bottom, std::vector<Tick> left)
{
    bottomTicks_ = std::move(bottom);
    leftTicks_ = std::move(left);
    update();
}

void Graph::setBackground(const QColor& colour)
{
    background_ = colour;
    clear();
}

void Graph::clear()
{
    dots_.clear();
    QPainter painter(&image_);
    paintBase(painter);
    update();
}

void Graph::setUnderlay(const QPolygonF& outline, const QColor& colour)
{
    underlay_ = QPainterPath();
    underlay_.addPolygon(QTransform::fromScale(scale_, scale_).map(outline));
    underlayColour_ = colour;
    QPainter painter(&image_);
    paintBase(painter);
    paintDots(painter, dots_);
    update();
}

void Graph::paintBase(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(), size_), background_);
    painter.fillPath(underlay_, underlayColour_);
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
    return zeroX_ ? QRect(toPixels(*zeroX_, scale_), 0, 1, size_.height()) : QRect();
}

void Graph::setPoint(double x, double y, const QColor& colour)
{
    addDot(x, y, colour, false);
}

void Graph::setOpenMark(double x, double y, const QColor& colour)
{
    addDot(x, y, colour, true);
}

void Graph::addDot(double x, double y, const QColor& colour, bool open)
{
    const double px = x * scale_;
    const double py = y * scale_;
    if (!(px > -penWidth_ && px < size_.width() + penWidth_ && py > -penWidth_ &&
          py < size_.height() + penWidth_))
        return;
    const QRect place = QRect(toPixel(x, y), QSize(penWidth_, penWidth_)) & QRect(QPoint(), size_);
    if (place.isEmpty())
        return;
    dots_.push_back({place, colour, open});
    QPainter painter(&image_);
    paintDots(painter, std::span(dots_).last(1));
    update();
}

void Graph::paint(QPainter& painter) const
{
    paintBase(painter);
    paintDots(painter, dots_);
    painter.fillRect(lineAtZero(), Qt::black); // Line2 lies over the drawing
    paintTicks(painter);
}

// The points and the open marks are drawn wider than the curve's pixels.
std::vector<TickNumber> Graph::tickNumbers() const
{
    std::vector<QRect> covered{lineAtZero()};
    for (const Dot& dot : dots_)
        if (dot.open || dot.place.width() > 1)
            covered.push_back(dot.place);
    return placeTickNumbers(bottomTicks_, leftTicks_, scale_, QRect(QPoint(), size_),
                            QFontMetrics(pictureFont(font())), std::move(covered));
}

// Marks inwards from the bottom and left edges.
void Graph::paintTicks(QPainter& painter) const
{
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(pictureFont(font()));
    const int mark = toPixels(kTickLength, scale_);
    const int bottom = size_.height();
    for (const Tick& tick : bottomTicks_) {
        const int x = toPixels(tick.at, scale_);
        painter.drawLine(x, bottom - mark, x, bottom);
    }
    for (const Tick& tick : leftTicks_) {
        const int y = toPixels(tick.at, scale_);
        painter.drawLine(0, y, mark, y);
    }
    for (const TickNumber& number : tickNumbers())
        painter.drawText(number.place, Qt::AlignCenter, number.text);
    painter.restore();
}

// Each run of dots of one colour is one shape, so that a vector file holds
// the curve as one path. Overlapping dots must not cancel out.
void Graph::paintDots(QPainter& painter, std::span<const Dot> dots)
{
    for (auto run = dots.begin(); run != dots.end();) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        auto end = run;
        for (; end != dots.end() && end->colour == run->colour && end->open == run->open; ++end)
            path.addRect(end->open ? QRectF(end->place).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(end->place));
        if (run->open)
            painter.strokePath(path, QPen(run->colour, 1));
        else
            painter.fillPath(path, run->colour);
        run = end;
    }
}

void Graph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    paintTicks(painter);
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
