#include "window/picture_files.h"

#include "window/dialogs.h"
#include "window/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>

namespace ajuste {

namespace {

inline constexpr int kPictureZoom = 2;
inline constexpr double kPointsPerInch = 72;

bool paintOn(QPaintDevice& device, const QRectF& target, const Picture& picture)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    picture.paint(painter, target);
    return painter.end();
}

bool savePng(const Picture& picture, const QString& path, qreal pixelRatio)
{
    return pictureImage(picture, pixelRatio).save(path, "PNG");
}

// Sized as the window shows it, in inches.
bool saveSvg(const Picture& picture, const QString& path, qreal)
{
    const QRect box(QPoint(), picture.size);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(box.size());
    svg.setViewBox(box);
    svg.setResolution(qRound(picture.pixelsPerInch));
    return paintOn(svg, box, picture);
}

bool savePdf(const Picture& picture, const QString& path, qreal)
{
    const QSizeF points = QSizeF(picture.size) / picture.pixelsPerInch * kPointsPerInch;
    QPdfWriter pdf(path);
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    return paintOnPage(pdf, picture);
}

struct Format {
    const char* suffix;
    bool (*save)(const Picture& picture, const QString& path, qreal pixelRatio);
};
inline constexpr Format kFormats[] = {{"png", savePng}, {"svg", saveSvg}, {"pdf", savePdf}};

} // namespace

QFont pictureFont(const QFont& shown)
{
    QFont font(shown);
    font.setPixelSize(QFontInfo(shown).pixelSize());
    return font;
}

void fitInto(QPainter& painter, const QRectF& target, const QSizeF& size)
{
    const qreal scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
}

QImage pictureImage(const Picture& picture, qreal pixelRatio)
{
    QImage image((QSizeF(picture.size) * pixelRatio).toSize(), QImage::Format_RGB32);
    paintOn(image, image.rect(), picture);
    return image;
}

bool savePicture(const Picture& picture, const QString& path, qreal pixelRatio)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Format& format : kFormats)
        if (suffix == format.suffix)
            return format.save(picture, path, pixelRatio);
    return savePng(picture, path + ".png", pixelRatio);
}

bool paintOnPage(QPagedPaintDevice& page, const Picture& picture)
{
    return paintOn(page, QRectF(0, 0, page.width(), page.height()), picture);
}

void copyPicture(const Picture& picture, qreal screenRatio)
{
    QApplication::clipboard()->setImage(pictureImage(picture, kPictureZoom * screenRatio));
}

void savePictureAs(const Picture& picture, qreal screenRatio, const Dialogs& dialogs)
{
    const QString path = dialogs.askFileToSave(texts::kImageFilters);
    if (!path.isEmpty() && !savePicture(picture, path, kPictureZoom * screenRatio))
        dialogs.say(texts::kCannotSaveImage);
}

void printPicture(const Picture& picture, const Dialogs& dialogs)
{
    QPrinter printer(QPrinter::HighResolution);
    if (dialogs.askPrinterSetUp(printer) && !paintOnPage(printer, picture))
        dialogs.say(texts::kCannotPrint);
}

} // namespace ajuste
