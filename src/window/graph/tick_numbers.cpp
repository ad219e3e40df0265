#include "window/graph/tick_numbers.h"

#include "window/twips.h"

#include <algorithm>
#include <optional>

namespace ajuste {

namespace {

constexpr int kGap = 3; // logical pixels between a mark and its number

struct Layout {
    const QRect& area;
    std::vector<QRect> covered;

    bool free(const QRect& place) const
    {
        return area.contains(place) &&
               std::ranges::none_of(covered, [&](const QRect& other) { return other.intersects(place); });
    }

    // The first free place; else the first moved on by `away` past what it
    // covers, within a third of the area.
    std::optional<QRect> firstFree(const std::vector<QRect>& places, QPoint away) const
    {
        for (const QRect& place : places)
            if (free(place))
                return place;
        const int reach = std::max(area.width(), area.height()) / 3;
        for (QRect place = places.front(); (place.topLeft() - places.front().topLeft()).manhattanLength() <= reach;) {
            if (free(place))
                return place;
            place.translate(away);
        }
        return std::nullopt;
    }

    void place(std::vector<TickNumber>& numbers, const QString& text, const std::vector<QRect>& places, QPoint away)
    {
        if (const std::optional<QRect> found = firstFree(places, away)) {
            numbers.push_back({*found, text});
            covered.push_back(found->adjusted(-1, -1, 1, 1));
        }
    }
};

} // namespace

std::vector<TickNumber> placeTickNumbers(const std::vector<Tick>& bottom, const std::vector<Tick>& left,
                                         double pixelsPerTwip, const QRect& area, const QFontMetrics& metrics,
                                         std::vector<QRect> covered)
{
    Layout layout{area, std::move(covered)};
    const int mark = toPixels(kTickLength, pixelsPerTwip) + kGap;
    const int height = metrics.height();
    std::vector<TickNumber> numbers;
    for (const Tick& tick : bottom) {
        if (tick.text.isEmpty())
            continue;
        const int x = toPixels(tick.at, pixelsPerTwip), width = metrics.horizontalAdvance(tick.text);
        const QRect above(x - width / 2, area.bottom() + 1 - mark - height, width, height);
        // Centred over the mark, else beside it, else higher up.
        layout.place(numbers, tick.text,
                     {above, above.translated(-width / 2 - kGap, 0), above.translated(width - width / 2 + kGap, 0)},
                     {0, -2});
    }
    for (const Tick& tick : left) {
        if (tick.text.isEmpty())
            continue;
        const int y = toPixels(tick.at, pixelsPerTwip), width = metrics.horizontalAdvance(tick.text);
        const QRect after(mark, y - height / 2, width, height);
        // After the mark, else just above or below its level, else further in.
        layout.place(numbers, tick.text, {after, after.translated(0, -height / 2 - 1), after.translated(0, height / 2 + 1)},
                     {2, 0});
    }
    return numbers;
}

} // namespace ajuste
