#pragma once

#include <QImage>
#include <QWidget>

namespace ajuste {

// The graph area `graf`: a picture box that keeps what was drawn in an
// image of its own, so a covered window repaints it. Coordinates are twips
// from its top left. Line2, the line at t = 0, is a child, not drawing, so
// clearing leaves it.
class Graph : public QWidget {
    Q_OBJECT
public:
    Graph(double pixelsPerTwip, QWidget* parent);

    void setBackground(const QColor& colour); // and clear
    void clear();
    void setPenWidth(int pixels);
    // A dot as wide as the pen, centred on (x, y); points far outside the
    // area are dropped, since they could not be seen.
    void setPoint(double x, double y, const QColor& colour);

    // At the screen's device pixel ratio: a logical pixel is ratio² of its pixels.
    const QImage& image() const { return image_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint toPixel(double x, double y) const; // top left of the dot, logical
    QRect toDevice(const QRect& logical) const;

    double scale_;
    QSize size_; // logical pixels
    QImage image_;
    QColor background_{Qt::white};
    int penWidth_ = 1;
    bool pressed_ = false;
};

} // namespace ajuste
