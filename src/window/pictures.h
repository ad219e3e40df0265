#pragma once

#include <QImage>

namespace ajuste {

// The formula of the model for `funcion`, and the letter of each parameter
// row for Picture1 to Picture3, at the sizes the form was drawn with.
QImage functionPicture();
QImage pictureOfA();
QImage pictureOfC();
QImage pictureOfT0();

} // namespace ajuste
