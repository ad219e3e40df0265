#include "window/form1.h"

#include "common/numeric_error.h"
#include "window/palette.h"
#include "window/texts.h"

#include <QLineEdit>

namespace ajuste {

// Takes the rows into tdatos/ydatos up to the first empty or unreadable
// one, rewriting each taken cell in normal form; taken rows turn white, the
// rest grey. Elements past the new count keep their old values.
void Form1::capturar()
{
    state_.npuntos = readRows(CellTexts::Normalise);
    for (int i = 0; i < kRows; ++i) {
        const QColor& colour = i < state_.npuntos ? palette::white : palette::lightGrey;
        palette::setBackground(table_.xv[i], colour);
        palette::setBackground(table_.yv[i], colour);
    }
}

// The rows read into tdatos/ydatos, up to the first one whose t cell is
// empty or whose cells are not numbers; normalising shows each cell read
// back in normal form at once. Returns how many rows were taken.
std::int16_t Form1::readRows(CellTexts cells)
{
    std::int16_t i = 0;
    auto take = [&](QLineEdit* cell, double& number) {
        number = value(cell->text());
        if (cells == CellTexts::Normalise)
            cell->setText(text(number));
    };
    try {
        for (; i < kRows && !table_.xv[i]->text().isEmpty(); ++i) {
            take(table_.xv[i], state_.tdatos[i]);
            take(table_.yv[i], state_.ydatos[i]);
        }
    } catch (const NumericError&) {
        // the failing row ends the data, like an empty one
    }
    return i;
}

// The period is a grouping character where the comma is the decimal one,
// so "1.5" would read as fifteen: warn, then let the key through.
void Form1::warnAboutPeriod(int code)
{
    if (code == '.' && numbers_.decimal == ",")
        message(texts::kUseComma);
}

void Form1::computeYmedia()
{
    double sum = 0.0;
    for (double y : yPoints())
        sum += y;
    state_.ymedia = sum / state_.npuntos;
}

} // namespace ajuste
