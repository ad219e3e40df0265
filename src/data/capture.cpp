#include "window/form1.h"

#include "fitting/numeric_error.h"
#include "window/palette.h"
#include "window/texts.h"

#include <QLineEdit>

namespace ajuste {

// Takes the rows into tdatos/ydatos up to the first empty or unreadable
// one, rewriting each taken cell in normal form; taken rows turn white, the
// rest grey. Elements past the new count keep their old values.
void Form1::capturar()
{
    int i = 0;
    try {
        for (; i < kRows; ++i) {
            QLineEdit* x = table.xv[i];
            QLineEdit* y = table.yv[i];
            if (x->text().isEmpty())
                break;
            s.tdatos[i] = value(x->text());
            x->setText(text(s.tdatos[i]));
            s.ydatos[i] = value(y->text());
            y->setText(text(s.ydatos[i]));
            palette::setBackground(x, palette::white);
            palette::setBackground(y, palette::white);
        }
    } catch (const NumericError&) {
        // the failing row ends the data, like an empty one
    }
    s.npuntos = static_cast<std::int16_t>(i);
    for (; i < kRows; ++i) {
        palette::setBackground(table.xv[i], palette::lightGrey);
        palette::setBackground(table.yv[i], palette::lightGrey);
    }
}

// The period is a grouping character where the comma is the decimal one,
// so "1.5" would read as fifteen: warn, then let the key through.
void Form1::warnAboutPeriod(int code)
{
    if (code == '.' && numbers.decimal == ",")
        message(texts::kUseComma);
}

void Form1::computeYmedia()
{
    double sum = 0.0;
    for (double y : yPoints())
        sum += y;
    s.ymedia = sum / s.npuntos;
}

} // namespace ajuste
