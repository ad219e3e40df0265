// A plain Qt Widgets window as large as the program's, with as many controls
// of each kind and as many of them shown at start, ending at its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace {

struct Controls {
    QWidget* (*make)(QWidget* parent);
    int count, shown;
};

const Controls kControls[] = {
    {[](QWidget* p) -> QWidget* { return new QLineEdit(p); }, 46, 40},
    {[](QWidget* p) -> QWidget* { return new QLabel("f(t)", p); }, 22, 3},
    {[](QWidget* p) -> QWidget* { return new QPushButton("Recuperar", p); }, 6, 3},
    {[](QWidget* p) -> QWidget* { return new QCheckBox(p); }, 3, 0},
    {[](QWidget* p) -> QWidget* { return new QScrollBar(Qt::Horizontal, p); }, 3, 0},
};

// The shown controls fill a grid; the hidden ones wait in a corner.
void buildControls(QWidget& window)
{
    int placed = 0;
    for (const Controls& kind : kControls) {
        for (int i = 0; i < kind.count; ++i) {
            QWidget* w = kind.make(&window);
            if (i < kind.shown) {
                w->setGeometry(10 + placed % 4 * 170, 10 + placed / 4 * 30, 160, 25);
                ++placed;
            } else {
                w->setGeometry(0, 0, 160, 25);
                w->hide();
            }
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const double pixelsPerTwip = window.logicalDpiX() / 1440.0;
    window.resize(std::lround(10860 * pixelsPerTwip), std::lround(10365 * pixelsPerTwip));
    buildControls(window);
    reportFirstPaint(window);
    window.show();
    return app.exec();
}
