#include "window/application.h"
#include "window/data/table_files.h"
#include "window/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

// Without a display Qt would abort with a long dump; say it in one line.
bool displayAvailable(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "-platform")
            return true;
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

int main(int argc, char* argv[])
{
    if (!displayAvailable(argc, argv)) {
        std::fputs("ajuste-curvas-exponenciales: no hay pantalla gráfica (DISPLAY sin definir); no se puede abrir la ventana.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    ajuste::setUpApplication();
    ajuste::Form1 window;
    window.show();
    ajuste::openFromCommandLine(window, app.arguments());
    return app.exec();
}
