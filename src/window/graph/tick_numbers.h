#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <vector>

namespace ajuste {

// A tick mark on an edge of the graph, at a twip coordinate along it, with
// the value it stands for (empty where an axis number says it already).
struct Tick {
    double at;
    QString text;
};

struct TickNumber {
    QRect place; // logical pixels, within the area
    QString text;
};

// Where the numbers of the marks along the bottom and the left edges stand:
// a gap apart from their marks, so that a mark is never read as a minus,
// and off what they must not cover (the points, the open marks, the line at
// t = 0) and off each other; beside or past what they would cover, else
// left out.
std::vector<TickNumber> placeTickNumbers(const std::vector<Tick>& bottom, const std::vector<Tick>& left,
                                         double pixelsPerTwip, const QRect& area, const QFontMetrics& metrics,
                                         std::vector<QRect> covered);

// The marks' length, in twips.
inline constexpr int kTickLength = 60;

} // namespace ajuste
