#pragma once

#include <QImage>

namespace ajuste {

// The formula of the model for `funcion`, and the letters of the
// parameter rows for Picture1 to Picture3.
QImage functionPicture();
QImage parameterPicture(const QString& letter, const QString& subscript, QSize size);

} // namespace ajuste
