#pragma once

#include <QScrollBar>

namespace ajuste {

// A horizontal scroll bar whose change event (valueChanged) is raised
// synchronously when code moves it, and only when the position changes.
// Arrow and track clicks move one position; a drag reports once, on release.
class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    ScrollBar(int minimum, int maximum, QWidget* parent);

    // Qt would clamp a position outside the range; here it is an error.
    void setPosition(int position);
};

} // namespace ajuste
