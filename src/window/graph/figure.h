#pragma once

#include "window/picture_files.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace ajuste {

class Graph;

// A text where the window shows it, in its logical pixels.
struct PlacedText {
    QRect place;
    QString text;
    Qt::Alignment align;
};

// The graph standing alone, as the window shows it: its drawing with the
// axis numbers where they stand in the window, and lines of text under them.
struct Figure {
    const Graph& graph;
    QRect graphPlace;
    std::vector<PlacedText> axisNumbers = {};
    QStringList lines = {};
    QFont font; // sized in pixels (pictureFont), so that it scales with the figure
};

// In the window's logical pixels.
QSize figureSize(const Figure& figure);
// Scaled to fit the target, keeping its aspect, centred on it.
void paintFigure(QPainter& painter, const QRectF& target, const Figure& figure);
// For the clipboard, the files and the printer.
Picture figurePicture(const Figure& figure);

} // namespace ajuste
