#pragma once

#include "window/graph/tick_numbers.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QWidget>

#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace ajuste {

// The graph area `graf`: a picture box that keeps what was drawn in an
// image of its own, so a covered window repaints it, and a record of it, so
// it can be painted again anywhere at any size. Coordinates are twips from
// its top left. Line2, the line at t = 0, is a child, not drawing, so
// clearing leaves it; so are the ticks.
class Graph : public QWidget {
    Q_OBJECT
public:
    Graph(double pixelsPerTwip, QWidget* parent);

    // Where Line2 stands, in twips across; none hides it.
    void setZeroLine(std::optional<double> x);
    // Marks along the bottom edge (at x) and the left edge (at y).
    void setTicks(std::vector<Tick> bottom, std::vector<Tick> left);

    void setBackground(const QColor& colour); // and clear
    // A region shaded under everything drawn, kept across clears; an empty
    // one takes it away. In twips.
    void setUnderlay(const QPolygonF& outline, const QColor& colour);
    bool hasUnderlay() const { return !underlay_.isEmpty(); }
    void clear();
    void setPenWidth(int pixels);
    // A dot as wide as the pen, centred on (x, y); points far outside the
    // area are dropped, since they could not be seen.
    void setPoint(double x, double y, const QColor& colour);
    // The same as an outline: a point that cannot be shown where it is.
    void setOpenMark(double x, double y, const QColor& colour);

    // At the screen's device pixel ratio: a logical pixel is ratio² of its pixels.
    const QImage& image() const { return image_; }
    // What the window shows of the graph, Line2 included, in its logical pixels.
    void paint(QPainter& painter) const;
    double pixelsPerTwip() const { return scale_; }
    // Where the tick numbers stand, off the points, the open marks and the
    // line at t = 0 drawn now.
    std::vector<TickNumber> tickNumbers() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Dot {
        QRect place; // logical pixels, within the area
        QColor colour;
        bool open = false;
    };

    QPoint toPixel(double x, double y) const; // top left of the dot, logical
    void addDot(double x, double y, const QColor& colour, bool open);
    QRect lineAtZero() const;
    void paintBase(QPainter& painter) const; // the background and the underlay
    void paintTicks(QPainter& painter) const;
    static void paintDots(QPainter& painter, std::span<const Dot> dots);

    double scale_;
    QSize size_; // logical pixels
    QWidget* line_;
    std::optional<double> zeroX_;
    std::vector<Tick> bottomTicks_, leftTicks_;
    QImage image_;
    std::vector<Dot> dots_; // since the last clear
    QColor background_{Qt::white};
    QPainterPath underlay_; // logical pixels
    QColor underlayColour_;
    int penWidth_ = 1;
    bool pressed_ = false;
};

} // namespace ajuste
