#pragma once

#include <QColor>
#include <QWidget>

namespace ajuste::palette {

// Colours of the classic 16-colour palette, by their index there.
inline const QColor blue{0, 0, 128};         // 1
inline const QColor red{128, 0, 0};          // 4
inline const QColor magenta{128, 0, 128};    // 5
inline const QColor lightGrey{192, 192, 192}; // 7
inline const QColor lightGreen{0, 255, 0};   // 10
inline const QColor white{255, 255, 255};    // 15
// Not of that palette: the confidence band, light enough that the curve
// and the points stay readable over it.
inline const QColor bandShade{240, 212, 212};

// The background of a text box.
inline void setBackground(QWidget* box, const QColor& colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

} // namespace ajuste::palette
