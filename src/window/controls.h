#pragma once

#include "data/data_file.h"
#include "window/form1.h"

#include <QImage>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ajuste {

class Graph;
class ScrollBar;
struct ParameterScale;

// What a control shows, where it shows anything.
struct Content {
    QString text = {};
    double points = 0;                    // font size; 0 for the window's
    Qt::Alignment align = Qt::AlignLeft;
    const char* spoken = nullptr;         // accessible name where nothing shows text
    const char* toolTip = nullptr;
    QImage (*picture)(double ratio) = nullptr;
};

// One control of the form: its name, the view group it is switched in, its
// place and size in twips, and what it shows.
struct Control {
    const char* name;
    Group group;
    int left, top, width, height;
    Content content = {};
};

// Row i of the data table stands at kTableTop + kRowPitch·i.
inline constexpr int kTableTop = 720;
inline constexpr int kRowPitch = 480;

// One column of the data table.
struct Column {
    const char* name;
    int left, width;
    const char* spoken;
    int height = 375;
    int tallRow = -1, tallHeight = 0; // one cell was drawn taller than the rest
};

// Makes the controls of the form, each of the kind its function names,
// placed at the display's resolution and filed in its view group. Qt's
// focus chain follows the order of creation, so building them in the
// order of the form's description gives its tab order.
class ControlBuilder {
public:
    ControlBuilder(QWidget* form, double pixelsPerTwip, ViewControls& views);

    QLabel* label(const Control& c);
    AxisLabel axisLabel(const Control& c);
    QLabel* readOut(const Control& c);
    QLabel* picture(const Control& c);
    QLineEdit* textBox(const Control& c);
    QPushButton* button(const Control& c);
    QCheckBox* checkBox(const Control& c);
    ScrollBar* scrollBar(const Control& c, const ParameterScale& scale);
    Graph* graph(const Control& c);
    std::array<QLineEdit*, kRows> column(const Column& column);

private:
    template <class W>
    W* file(W* w, const Control& c);

    QWidget* form_;
    double scale_;
    ViewControls& views_;
};

} // namespace ajuste
