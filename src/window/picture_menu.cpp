#include "window/picture_menu.h"

#include "window/texts.h"

#include <QMenu>
#include <QWidget>

namespace ajuste {

QMenu* addPictureMenu(QWidget& shown, std::function<Picture()> picture, const Dialogs& dialogs)
{
    auto* menu = new QMenu(&shown);
    menu->addAction(texts::kCopyImage, menu, [&shown, picture] { copyPicture(picture(), shown.devicePixelRatioF()); });
    menu->addAction(texts::kSaveImage, menu,
                    [&shown, picture, &dialogs] { savePictureAs(picture(), shown.devicePixelRatioF(), dialogs); });
    menu->addAction(texts::kPrint, menu, [picture, &dialogs] { printPicture(picture(), dialogs); });
    shown.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&shown, &QWidget::customContextMenuRequested, menu,
                     [&shown, menu](const QPoint& at) { menu->popup(shown.mapToGlobal(at)); });
    return menu;
}

void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace ajuste
