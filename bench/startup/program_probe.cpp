// The program's start-up as main() does it, ending at its first paint.
#include "first_paint.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    ajuste::Form1 window;
    reportFirstPaint(window);
    window.show();
    return app.exec();
}
