#include "window/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("ajuste: no hay pantalla gráfica (DISPLAY sin definir); no se puede abrir la ventana.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    ajuste::Form1 window;
    window.show();
    return app.exec();
}
