// A plain Qt Widgets window with stand-ins of the program's controls, ending
// at its first paint.
//   bare_probe DESCRIPTION   (as program_probe --describe writes it)
#include "first_paint.h"
#include "stand_ins.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: bare_probe DESCRIPTION (as program_probe --describe writes it)\n", stderr);
        return 2;
    }
    QWidget window;
    try {
        buildStandIns(window, argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bare_probe: %s\n", e.what());
        return 2;
    }
    reportFirstPaint(window);
    window.show();
    return app.exec();
}
