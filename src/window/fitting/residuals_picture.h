#pragma once

#include "common/range.h"
#include "graph/residuals.h"

#include <QFont>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QSizeF;

namespace ajuste {

// What the residuals' window shows: the residuals against t over the
// graph's t range, on a round range about 0.
struct ResidualsPlot {
    QString title; // of what curve they are
    Range t;
    Range residual;
    std::vector<Residual> points;
    bool overflowed = false; // none could be computed
};

struct ResidualsPicture {
    const ResidualsPlot& plot;
    std::function<QString(double)> text; // in the user's notation
    QFont font;
};

// From (0, 0), at this size: the title, the axes with round ticks and
// their numbers, the line at 0 and a dot a point.
void paintResiduals(QPainter& painter, const QSizeF& size, const ResidualsPicture& picture);

} // namespace ajuste
