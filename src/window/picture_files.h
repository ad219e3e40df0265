#pragma once

#include <QSize>

#include <functional>

class QFont;
class QImage;
class QPagedPaintDevice;
class QPainter;
class QRectF;
class QString;

namespace ajuste {

class Dialogs;

// A picture one function paints at any size: on the screen, into images
// and files, on pages, so that what is saved is what is seen.
struct Picture {
    QSize size;           // as the window shows it, in logical pixels
    double pixelsPerInch; // of those: the size of an SVG or PDF file
    // Scaled to fit the target, keeping its aspect, centred on it.
    std::function<void(QPainter& painter, const QRectF& target)> paint;
};

// The font as the screen shows it, sized in the picture's logical pixels.
// Sized in points it would follow the resolution of the device painted on,
// not the picture's scale: twelve times too large on a PDF's 1200 dpi.
QFont pictureFont(const QFont& shown);

// Turns the painter so that a picture of this size, painted from (0, 0),
// fits the target, keeping its aspect, centred on it.
void fitInto(QPainter& painter, const QRectF& target, const QSizeF& size);

QImage pictureImage(const Picture& picture, qreal pixelRatio);
// PNG, SVG or PDF by the name's suffix; a name with none of them gets ".png".
bool savePicture(const Picture& picture, const QString& path, qreal pixelRatio);
// On one page of a PDF file or a printer.
bool paintOnPage(QPagedPaintDevice& page, const Picture& picture);

// "Copiar imagen" and "Guardar imagen…": the picture at twice the screen's
// pixels, so that it stays sharp when enlarged; the file asked for, and a
// message when it cannot be written.
void copyPicture(const Picture& picture, qreal screenRatio);
void savePictureAs(const Picture& picture, qreal screenRatio, const Dialogs& dialogs);
// "Imprimir…": on one page of the printer asked for, scaled to it.
void printPicture(const Picture& picture, const Dialogs& dialogs);

} // namespace ajuste
