#pragma once

#include "window/picture_files.h"

#include <functional>

class QMenu;
class QWidget;

namespace ajuste {

class Dialogs;

// The right-click menu of a widget that shows a picture: "Copiar imagen",
// "Guardar imagen…" and "Imprimir…" of the picture as it is at the moment;
// further entries may follow.
QMenu* addPictureMenu(QWidget& shown, std::function<Picture()> picture, const Dialogs& dialogs);

// A feature's window shown, in front and active, as its menu entry opens it.
void bringToFront(QWidget& window);

} // namespace ajuste
