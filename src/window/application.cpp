#include "window/application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace ajuste {

void setUpApplication()
{
    QApplication::setDesktopFileName(AJUSTE_APP_ID);
    QApplication::setWindowIcon(QIcon::fromTheme(AJUSTE_APP_ID));
    QApplication::setStyle("Fusion");
    // The form was drawn for MS Sans Serif; Liberation Sans has about its width.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

} // namespace ajuste
