#include "window/application.h"

#include <QApplication>
#include <QFont>

namespace ajuste {

void setUpApplication()
{
    QApplication::setStyle("Fusion");
    // The form was drawn for MS Sans Serif; Liberation Sans has about its width.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

} // namespace ajuste
