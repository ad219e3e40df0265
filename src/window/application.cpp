#include "window/application.h"

#include "window/user_locale.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace ajuste {

void setUpApplication()
{
    QApplication::setDesktopFileName(AJUSTE_APP_ID);
    QApplication::setWindowIcon(QIcon::fromTheme(AJUSTE_APP_ID));
    QApplication::setStyle("Fusion");
    // The form was drawn for MS Sans Serif; Liberation Sans has about its width.
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    // Qt's own texts (a box's menu, the file and print dialogs) in the
    // user's language; without its translations they stay in English.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(userLanguage(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace ajuste
