#include "window/graph/scroll_bar.h"

#include "common/numeric_error.h"

namespace ajuste {

ScrollBar::ScrollBar(int minimum, int maximum, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ScrollBar::setPosition(int position)
{
    if (position < minimum() || position > maximum())
        throw NumericError("posición fuera del rango de la barra");
    setValue(position);
}

} // namespace ajuste
