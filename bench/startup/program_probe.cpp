// The program's start-up as main() does it, ending at its first paint.
//   program_probe [--describe]   (--describe: the controls, for bare_probe)
#include "first_paint.h"
#include "stand_ins.h"
#include "window/application.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ajuste::setUpApplication();
    ajuste::Form1 window;
    reportFirstPaint(window, app.arguments().contains("--describe") ? describeControls : countControls);
    window.show();
    return app.exec();
}
