#pragma once

#include "window/fitting/error_map_picture.h"
#include "window/picture_files.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace ajuste {

// The map on the screen. A click or a drag asks for the parameters under
// the mouse, the wheel and + / − for a zoom about it; where the mouse is
// it tells as it moves. The values under the mouse are rounded to what a
// pixel tells apart.
class ErrorMapView : public QWidget {
    Q_OBJECT
public:
    ErrorMapView(const std::vector<PathPoint>& path, std::function<QString(double)> text, QWidget* parent);

    void setLayers(MapLayers layers);
    void setMarks(const MapMarks& marks);
    void stopDragging() { dragging_ = false; }
    const MapLayers& layers() const { return layers_; }
    const MapMarks& marks() const { return marks_; }
    // The values at a point of the widget, none off the cells.
    std::optional<QPointF> valuesAt(const QPointF& at) const;
    QPointF placeOf(const Params& p) const;
    // As shown, for the clipboard and the files.
    Picture picture() const;

signals:
    void picked(QPointF values);
    void hovered(std::optional<QPointF> values);
    // By factor about these values: below 1 zooms in.
    void zoomed(QPointF about, double factor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MapPicture mapPicture() const;
    void zoomAt(const QPointF& at, double factor);

    const std::vector<PathPoint>& path_;
    std::function<QString(double)> text_;
    MapLayers layers_;
    MapMarks marks_;
    bool dragging_ = false;
};

} // namespace ajuste
