#pragma once

#include "window/fitting/residuals_picture.h"
#include "window/picture_files.h"

#include <QWidget>

#include <functional>

namespace ajuste {

// The residuals on the screen, and as a picture for the clipboard, the
// files and the printer.
class ResidualsView : public QWidget {
    Q_OBJECT
public:
    ResidualsView(std::function<QString(double)> text, QWidget* parent);

    void setPlot(ResidualsPlot plot);
    const ResidualsPlot& plot() const { return plot_; }
    Picture picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ResidualsPicture residualsPicture() const;

    std::function<QString(double)> text_;
    ResidualsPlot plot_;
};

} // namespace ajuste
