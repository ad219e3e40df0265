#include "window/form1.h"

#include "common/numeric_error.h"
#include "window/palette.h"
#include "window/texts.h"

#include <QLineEdit>

namespace ajuste {

// Takes the rows into tdatos/ydatos, rewriting each taken cell in normal
// form; taken rows turn white, the rest grey.
void Form1::capturar()
{
    state_.npuntos = takeRows(true);
    for (int i = 0; i < kRows; ++i) {
        const QColor& colour = i < state_.npuntos ? palette::white : palette::lightGrey;
        palette::setBackground(table_.xv[i], colour);
        palette::setBackground(table_.yv[i], colour);
    }
    emit captured();
}

// The rows read into tdatos/ydatos; normalising shows each cell read back
// in normal form at once. Elements past the new count keep their old values.
std::int16_t Form1::takeRows(bool normalise)
{
    return std::int16_t(readRows([&](int row, int column, double number) {
        (column == 0 ? state_.tdatos : state_.ydatos)[row] = number;
        if (normalise)
            table_.at(row, column)->setText(text(number));
    }));
}

int Form1::readRows(const RowReader& take) const
{
    int i = 0;
    try {
        for (; i < kRows && !table_.xv[i]->text().isEmpty(); ++i)
            for (int column : {0, 1})
                take(i, column, value(table_.at(i, column)->text()));
    } catch (const NumericError&) {
        // the failing row ends the data, like an empty one
    }
    return i;
}

// The period is a grouping character where the comma is the decimal one,
// so "1.5" would read as fifteen: warn, then let the key through.
void Form1::warnAboutPeriod(int code)
{
    if (code == '.' && numbers_.decimalComma())
        dialogs_.say(texts::kUseComma);
}

void Form1::computeYmedia()
{
    state_.ymedia = mean(points().y);
}

} // namespace ajuste
