// The program's start-up as main() does it, ending at its first paint.
#include "first_paint.h"
#include "window/application.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ajuste::setUpApplication();
    ajuste::Form1 window;
    reportFirstPaint(window);
    window.show();
    return app.exec();
}
