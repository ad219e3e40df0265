#include "window/graph/figure.h"

#include "window/graph/graph_widget.h"
#include "window/twips.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace ajuste {

namespace {

inline constexpr int kMargin = 8; // logical pixels round the figure and above its lines
inline constexpr double kTwipsPerPoint = 20;

QRect drawingBounds(const Figure& figure)
{
    QRect bounds = figure.graphPlace;
    for (const PlacedText& number : figure.axisNumbers)
        bounds |= number.place;
    return bounds;
}

bool paintOn(QPaintDevice& device, const QRectF& target, const Figure& figure)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintFigure(painter, target, figure);
    return painter.end();
}

bool savePng(const Figure& figure, const QString& path, qreal pixelRatio)
{
    return figureImage(figure, pixelRatio).save(path, "PNG");
}

// Sized as the window shows it, in inches.
bool saveSvg(const Figure& figure, const QString& path, qreal)
{
    const QRect box(QPoint(), figureSize(figure));
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(box.size());
    svg.setViewBox(box);
    svg.setResolution(qRound(figure.graph.pixelsPerTwip() * kTwipsPerInch));
    return paintOn(svg, box, figure);
}

bool savePdf(const Figure& figure, const QString& path, qreal)
{
    const QSizeF points = QSizeF(figureSize(figure)) / figure.graph.pixelsPerTwip() / kTwipsPerPoint;
    QPdfWriter pdf(path);
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    return paintOnPage(pdf, figure);
}

struct Format {
    const char* suffix;
    bool (*save)(const Figure& figure, const QString& path, qreal pixelRatio);
};
inline constexpr Format kFormats[] = {{"png", savePng}, {"svg", saveSvg}, {"pdf", savePdf}};

} // namespace

QSize figureSize(const Figure& figure)
{
    const QFontMetricsF metrics(figure.font);
    const QRect bounds = drawingBounds(figure);
    qreal width = bounds.width();
    for (const QString& line : figure.lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const qreal height = bounds.height() + kMargin + metrics.lineSpacing() * figure.lines.size();
    // Whole pixels, so that at a whole ratio the dots fall on whole pixels.
    return QSize(int(std::ceil(width)), int(std::ceil(height))) + QSize(2 * kMargin, 2 * kMargin);
}

void paintFigure(QPainter& painter, const QRectF& target, const Figure& figure)
{
    const QSizeF size = figureSize(figure);
    const qreal scale = std::min(target.width() / size.width(), target.height() / size.height());
    const QRect bounds = drawingBounds(figure);
    painter.save();
    painter.fillRect(target, Qt::white);
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    painter.translate(kMargin - bounds.left(), kMargin - bounds.top()); // to the window's coordinates

    painter.save();
    painter.translate(figure.graphPlace.topLeft());
    figure.graph.paint(painter);
    painter.restore();

    painter.setFont(figure.font);
    painter.setPen(Qt::black);
    for (const PlacedText& number : figure.axisNumbers)
        painter.drawText(number.place, int(number.align), number.text);
    const QFontMetricsF metrics(figure.font);
    QPointF baseline(bounds.left(), bounds.bottom() + 1 + kMargin + metrics.ascent());
    for (const QString& line : figure.lines) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.lineSpacing();
    }
    painter.restore();
}

QImage figureImage(const Figure& figure, qreal pixelRatio)
{
    QImage image((QSizeF(figureSize(figure)) * pixelRatio).toSize(), QImage::Format_RGB32);
    paintOn(image, image.rect(), figure);
    return image;
}

bool saveFigure(const Figure& figure, const QString& path, qreal pixelRatio)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Format& format : kFormats)
        if (suffix == format.suffix)
            return format.save(figure, path, pixelRatio);
    return savePng(figure, path + ".png", pixelRatio);
}

bool paintOnPage(QPagedPaintDevice& page, const Figure& figure)
{
    return paintOn(page, QRectF(0, 0, page.width(), page.height()), figure);
}

} // namespace ajuste
