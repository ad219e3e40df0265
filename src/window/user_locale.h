#pragma once

#include "data/number_text.h"

#include <QLocale>
#include <QString>

namespace ajuste {

// The separators of the user's locale, from LC_ALL, then LC_NUMERIC, then
// LANG. With none set, or C/POSIX, Spanish: the interface is written for it.
NumberFormat userNumberFormat();

// A number as the window writes it, and text read as a number (throws
// NumericError), by the user's separators.
QString numberText(double x, const NumberFormat& user);
double typedNumber(const QString& text, const NumberFormat& user);

// The language of Qt's own texts, from LC_ALL, then LC_MESSAGES, then LANG;
// Spanish likewise.
QLocale userLanguage();

} // namespace ajuste
