#include "window/fitting/error_map_picture.h"

#include "data/number_text.h"
#include "graph/ticks.h"
#include "window/fitting/error_map_region.h"
#include "window/fitting/viridis.h"
#include "window/texts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace ajuste {

namespace {

// Logical pixels.
constexpr double kGap = 6;
constexpr double kTick = 4;
constexpr double kBarWidth = 14;
constexpr double kHatchSpacing = 6;
constexpr double kMarkerRadius = 5;
constexpr double kDotRadius = 2.5;
constexpr double kArrowHead = 9;
constexpr double kCrossSize = 6;
// Beyond the cells by this much, lines are cut: a path far outside the view
// would otherwise go to coordinates no painter can take.
constexpr double kDrawnBeyond = 50;

const QColor kHatch(120, 120, 120);
const QColor kContour(255, 255, 255, 140);
const QColor kPathColour(Qt::white);
const QColor kOutline(40, 40, 40);
const QColor kMarkerColour(228, 26, 28);

struct Layout {
    QRectF plot;
    QRectF bar;    // the colour bar
    QRectF swatch; // the overflow's, when a cell overflowed
    std::vector<double> acrossTicks, upTicks;
};

// 10 to a whole power as 10 with the power raised: 10⁻³, 10¹².
QString powerOfTenText(double exponent)
{
    static const QString raised = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text = exponent < 0 ? QStringLiteral("10⁻") : QStringLiteral("10");
    for (QChar digit : QString::number(std::abs(std::lround(exponent))))
        text += raised[digit.digitValue()];
    return text;
}

QTransform gridToPlot(const QRectF& plot, const ErrorSurface& surface)
{
    const double width = plot.width() / surface.columns, height = plot.height() / surface.rows;
    return QTransform(width, 0, 0, -height, plot.left() + width / 2, plot.bottom() - height / 2);
}

// The part of the line inside the rectangle (Liang and Barsky), if any.
std::optional<QLineF> clipped(const QLineF& line, const QRectF& rect)
{
    double enter = 0.0, leave = 1.0;
    const double dx = line.dx(), dy = line.dy();
    const std::pair<double, double> sides[] = {{-dx, line.x1() - rect.left()}, {dx, rect.right() - line.x1()},
                                               {-dy, line.y1() - rect.top()}, {dy, rect.bottom() - line.y1()}};
    for (const auto& [toward, room] : sides) {
        if (toward == 0.0) {
            if (room < 0.0)
                return std::nullopt;
            continue;
        }
        const double at = room / toward;
        if (toward < 0.0)
            enter = std::max(enter, at);
        else
            leave = std::min(leave, at);
    }
    if (enter > leave)
        return std::nullopt;
    return QLineF(line.pointAt(enter), line.pointAt(leave));
}

constexpr int kFewestDigits = 3;
constexpr int kMostDigits = 15; // the most a number is written with

bool allDiffer(const std::vector<BarLabel>& labels)
{
    return std::ranges::adjacent_find(labels, {}, &BarLabel::text) == labels.end();
}

// Deep in a zoom the levels differ in late digits: as few digits as tell
// them apart, and a text only once when even fifteen cannot.
std::vector<BarLabel> levelLabels(const MapPicture& picture, const Range& logs)
{
    std::vector<BarLabel> labels;
    for (int digits = kFewestDigits; digits <= kMostDigits && (labels.empty() || !allDiffer(labels)); ++digits) {
        labels.clear();
        for (double level : picture.layers.levels)
            labels.push_back({logs.fractionOf(level), picture.text(roundedTo(std::pow(10.0, level), digits))});
    }
    const auto repeated = std::ranges::unique(labels, {}, &BarLabel::text);
    labels.erase(repeated.begin(), repeated.end());
    return labels;
}

} // namespace

std::vector<BarLabel> barLabels(const MapPicture& picture)
{
    if (const std::optional<Range>& logs = picture.layers.logs) {
        const std::vector<double>& levels = picture.layers.levels;
        if (!std::ranges::all_of(levels, [](double level) { return level == std::round(level); }))
            return levelLabels(picture, *logs);
        std::vector<BarLabel> labels;
        for (double level : levels)
            labels.push_back({logs->fractionOf(level), powerOfTenText(level)});
        return labels;
    }
    for (double error : picture.layers.surface.errors)
        if (!overflowed(error))
            return {{0.0, picture.text(roundedTo(error, kFewestDigits))}};
    return {};
}

namespace {

double widest(const QFontMetricsF& metrics, const QStringList& texts)
{
    double width = 0.0;
    for (const QString& text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

Layout layOut(const QSizeF& size, const MapPicture& picture)
{
    const QFontMetricsF metrics(picture.font);
    const ErrorSurface& surface = picture.layers.surface;
    Layout layout;
    layout.acrossTicks = ticks(surface.across.low, surface.across.high);
    layout.upTicks = ticks(surface.up.low, surface.up.high);
    QStringList upTexts, barTexts;
    for (double value : layout.upTicks)
        upTexts << picture.text(value);
    for (const BarLabel& label : barLabels(picture))
        barTexts << label.text;
    const bool overflow = !picture.layers.overflow.isEmpty();
    const double line = metrics.height();
    const double left = kGap + metrics.horizontalAdvance(name(surface.pair.up)) + kGap + widest(metrics, upTexts) + kTick + 2;
    const double barColumn = std::max({kBarWidth + kTick + 2 + widest(metrics, barTexts),
                                       metrics.horizontalAdvance(texts::kMapError),
                                       overflow ? kBarWidth + kGap + metrics.horizontalAdvance(texts::kMapOverflow) : 0.0});
    const double right = 3 * kGap + barColumn + kGap;
    const double top = kGap + line + kGap;
    const double bottom = kTick + 2 + 2 * line + kGap;
    layout.plot = QRectF(left, top, std::max(1.0, size.width() - left - right), std::max(1.0, size.height() - top - bottom));
    const double legend = overflow ? line + kGap : 0.0;
    layout.bar = QRectF(layout.plot.right() + 3 * kGap, top, kBarWidth, std::max(1.0, layout.plot.height() - legend));
    if (overflow)
        layout.swatch = QRectF(layout.bar.left(), layout.plot.bottom() - line, kBarWidth, line);
    return layout;
}

void hatch(QPainter& painter, const QRectF& area)
{
    painter.setPen(QPen(kHatch, 1));
    for (double d = -area.height(); d < area.width(); d += kHatchSpacing)
        painter.drawLine(QPointF(area.left() + d, area.bottom()), QPointF(area.left() + d + area.height(), area.top()));
}

void paintCells(QPainter& painter, const QRectF& plot, const MapLayers& layers)
{
    painter.drawImage(plot, layers.colours);
    const QTransform grid = gridToPlot(plot, layers.surface);
    if (!layers.overflow.isEmpty()) {
        painter.save();
        painter.setClipPath(grid.map(layers.overflow), Qt::IntersectClip);
        hatch(painter, plot);
        painter.restore();
    }
    painter.setPen(QPen(kContour, 1));
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath& lines : layers.lines)
        painter.drawPath(grid.map(lines));
}

// A line through the path's points, thinned to about one a pixel, with a
// dot at each single step.
void paintPath(QPainter& painter, const QRectF& plot, const MapPicture& picture)
{
    const QRectF drawn = plot.adjusted(-kDrawnBeyond, -kDrawnBeyond, kDrawnBeyond, kDrawnBeyond);
    std::vector<QLineF> lines;
    std::vector<QPointF> dots;
    QPointF last;
    for (const PathPoint& point : picture.path) {
        const QPointF at = placeOnPlot(plot, picture.layers.surface, point.p);
        const QPointF moved = at - last;
        if (!point.startsStroke && !point.single && std::abs(moved.x()) < 1 && std::abs(moved.y()) < 1)
            continue;
        if (!point.startsStroke)
            if (const std::optional<QLineF> line = clipped(QLineF(last, at), drawn))
                lines.push_back(*line);
        if (point.single && plot.contains(at))
            dots.push_back(at);
        last = at;
    }
    painter.setPen(QPen(kPathColour, 1.5));
    painter.drawLines(lines.data(), int(lines.size()));
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kPathColour);
    for (const QPointF& dot : dots)
        painter.drawEllipse(dot, kDotRadius, kDotRadius);
}

void paintOptimum(QPainter& painter, const QRectF& plot, const MapPicture& picture)
{
    if (!picture.marks.optimum)
        return;
    const QPointF at = placeOnPlot(plot, picture.layers.surface, *picture.marks.optimum);
    if (!plot.contains(at))
        return;
    const QPointF a(kCrossSize, kCrossSize), b(kCrossSize, -kCrossSize);
    for (const auto& [colour, width] : {std::pair{kOutline, 4.0}, std::pair{QColor(Qt::white), 2.0}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at - a, at + a);
        painter.drawLine(at - b, at + b);
    }
}

// The marker at the current parameters, and the arrow of the next step,
// cut where it leaves the cells.
void paintCurrent(QPainter& painter, const QRectF& plot, const MapPicture& picture)
{
    const ErrorSurface& surface = picture.layers.surface;
    const QPointF at = placeOnPlot(plot, surface, picture.marks.current);
    if (!plot.contains(at))
        return;
    const QPen arrowPen(kMarkerColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (const auto& end = picture.marks.stepEnd) {
        const std::optional<QLineF> step = clipped(QLineF(at, placeOnPlot(plot, surface, *end)), plot);
        if (step && step->length() > 0.0) {
            painter.setPen(arrowPen);
            painter.drawLine(*step);
            QLineF side(step->p2(), step->p1());
            side.setLength(kArrowHead);
            for (double angle : {25.0, -25.0}) {
                QLineF barb = side;
                barb.setAngle(side.angle() + angle);
                painter.drawLine(barb);
            }
        }
    }
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(kMarkerColour);
    painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
}

void paintAxes(QPainter& painter, const Layout& layout, const MapPicture& picture)
{
    const QFontMetricsF metrics(picture.font);
    const QRectF& plot = layout.plot;
    const Range across = picture.layers.surface.across, up = picture.layers.surface.up;
    const double line = metrics.height();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (double value : layout.acrossTicks) {
        const double x = plot.left() + across.fractionOf(value) * plot.width();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        painter.drawText(QRectF(x - plot.width(), plot.bottom() + kTick + 2, 2 * plot.width(), line),
                         Qt::AlignHCenter | Qt::AlignTop, picture.text(value));
    }
    for (double value : layout.upTicks) {
        const double y = plot.bottom() - up.fractionOf(value) * plot.height();
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(0, y - line / 2, plot.left() - kTick - 2, line), Qt::AlignRight | Qt::AlignVCenter,
                         picture.text(value));
    }
    const ParameterPair pair = picture.layers.surface.pair;
    painter.drawText(QRectF(plot.left(), plot.bottom() + kTick + 2 + line, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop, name(pair.across));
    painter.drawText(QRectF(kGap, plot.top(), plot.width(), plot.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     name(pair.up));
}

void paintColourBar(QPainter& painter, const Layout& layout, const MapPicture& picture)
{
    const QFontMetricsF metrics(picture.font);
    const QRectF& bar = layout.bar;
    const double line = metrics.height();
    QImage colours(1, 256, QImage::Format_RGB32);
    for (int k = 0; k < 256; ++k)
        colours.setPixel(0, 255 - k, viridis(k / 255.0));
    painter.drawImage(bar, colours);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    painter.drawText(QPointF(bar.left(), kGap + metrics.ascent()), texts::kMapError);
    for (const BarLabel& label : barLabels(picture)) {
        const double y = bar.bottom() - label.fraction * bar.height();
        painter.drawLine(QPointF(bar.left(), y), QPointF(bar.right() + kTick, y));
        painter.drawText(QRectF(bar.right() + kTick + 2, y - line / 2, 1000, line), Qt::AlignLeft | Qt::AlignVCenter,
                         label.text);
    }
    if (layout.swatch.isEmpty())
        return;
    painter.fillRect(layout.swatch, QColor(kOverflowGrey));
    painter.save();
    painter.setClipRect(layout.swatch, Qt::IntersectClip);
    hatch(painter, layout.swatch);
    painter.restore();
    painter.drawRect(layout.swatch);
    painter.drawText(QRectF(layout.swatch.right() + kGap, layout.swatch.top(), 1000, line),
                     Qt::AlignLeft | Qt::AlignVCenter, texts::kMapOverflow);
}

} // namespace

QPointF placeOnPlot(const QRectF& plot, const ErrorSurface& surface, const Params& p)
{
    return {plot.left() + surface.across.fractionOf(p[surface.pair.across]) * plot.width(),
            plot.bottom() - surface.up.fractionOf(p[surface.pair.up]) * plot.height()};
}

QRectF plotArea(const QSizeF& size, const MapPicture& picture)
{
    return layOut(size, picture).plot;
}

void paintMap(QPainter& painter, const QSizeF& size, const MapPicture& picture)
{
    const Layout layout = layOut(size, picture);
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(QPointF(), size), Qt::white);
    painter.setFont(picture.font);
    painter.save();
    painter.setClipRect(layout.plot, Qt::IntersectClip);
    paintCells(painter, layout.plot, picture.layers);
    paintPath(painter, layout.plot, picture);
    paintRegion(painter, layout.plot, picture);
    paintOptimum(painter, layout.plot, picture);
    paintCurrent(painter, layout.plot, picture);
    painter.restore();
    paintAxes(painter, layout, picture);
    paintColourBar(painter, layout, picture);
    painter.restore();
}

} // namespace ajuste
