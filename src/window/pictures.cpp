#include "window/pictures.h"

#include <QFontMetrics>
#include <QPainter>

namespace ajuste {

namespace {

// Sized in logical pixels, drawn at the screen's own.
QImage blankPicture(QSize size, double ratio)
{
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB888);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QFont italicFont(double points)
{
    QFont font("Liberation Serif");
    font.setStyleHint(QFont::Serif);
    font.setItalic(true);
    font.setPointSizeF(points);
    return font;
}

// Writes text at the pen position with its baseline at y and moves the pen on.
void write(QPainter& painter, int& x, int y, const QString& text, double points)
{
    const QFont font = italicFont(points);
    painter.setFont(font);
    painter.drawText(x, y, text);
    x += QFontMetrics(font).horizontalAdvance(text);
}

QImage parameterPicture(const QString& letter, const QString& subscript, QSize size, double ratio)
{
    QImage image = blankPicture(size, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(italicFont(16));
    int x = (size.width() - metrics.horizontalAdvance(letter + subscript)) / 2;
    const int baseline = (size.height() + metrics.ascent() - metrics.descent()) / 2;
    write(painter, x, baseline, letter, 16);
    write(painter, x, baseline + 4, subscript, 9);
    return image;
}

} // namespace

QImage functionPicture(double ratio)
{
    QImage image = blankPicture({125, 68}, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    int x = 4;
    write(painter, x, 44, "f(t) = a e", 12);
    write(painter, x, 34, "c(t − t", 8);
    write(painter, x, 37, "0", 6);
    write(painter, x, 34, ")", 8);
    return image;
}

QImage pictureOfA(double ratio)
{
    return parameterPicture("a", "", {31, 36}, ratio);
}

QImage pictureOfC(double ratio)
{
    return parameterPicture("c", "", {31, 29}, ratio);
}

QImage pictureOfT0(double ratio)
{
    return parameterPicture("t", "0", {37, 35}, ratio);
}

} // namespace ajuste
