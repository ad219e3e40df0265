#include "window/fitting/result_rows.h"

#include "data/number_text.h"
#include "fitting/derived_quantities.h"
#include "window/texts.h"

namespace ajuste {

namespace {

// A name and the symbol it is given, for a decay and for growth.
struct Named {
    const char* name;
    const char* symbol;
};

void addRateRows(ResultRows& rows, const std::optional<RateQuantity>& quantity, Named decay, Named growth,
                 const NumberText& text)
{
    if (!quantity)
        return;
    const Named& named = quantity->growth ? growth : decay;
    rows.push_back({named.name, text(roundedTo(quantity->value, 7))});
    if (quantity->uncertainty)
        addUncertaintyRows(rows, named.symbol, quantity->value, *quantity->uncertainty, text);
}

} // namespace

void addUncertaintyRows(ResultRows& rows, const QString& symbol, double value, const Uncertainty& u,
                        const NumberText& text)
{
    rows.push_back({QString(texts::kStandardError).arg(symbol), text(roundedTo(u.standardError, 3))});
    rows.push_back({QString(texts::kInterval).arg(symbol),
                    QString(texts::kIntervalValue)
                        .arg(text(roundedTo(value - u.halfWidth95, 7)), text(roundedTo(value + u.halfWidth95, 7)))});
}

void addDerivedRows(ResultRows& rows, const FitResult& fit, const NumberText& text)
{
    addRateRows(rows, timeConstant(fit), {texts::kTimeConstant, "τ"}, {texts::kGrowthTimeConstant, "τ"}, text);
    addRateRows(rows, halfLife(fit), {texts::kHalfLife, "t½"}, {texts::kDoublingTime, "t₂"}, text);
    for (const Correlation& r : correlations(fit))
        rows.push_back({QString(texts::kCorrelation).arg(name(r.first), name(r.second)), text(roundedTo(r.value, 7))});
}

} // namespace ajuste
