#pragma once

#include <QImage>

namespace ajuste {

// The formula of the model for `funcion`, and the letter of each parameter
// row for Picture1 to Picture3, at the sizes the form was drawn with in
// logical pixels, rendered at the given device pixel ratio.
QImage functionPicture(double ratio);
QImage pictureOfA(double ratio);
QImage pictureOfC(double ratio);
QImage pictureOfT0(double ratio);

} // namespace ajuste
