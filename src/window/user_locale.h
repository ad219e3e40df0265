#pragma once

#include "data/number_text.h"

#include <QLocale>

namespace ajuste {

// The separators of the user's locale, from LC_ALL, then LC_NUMERIC, then
// LANG. With none set, or C/POSIX, Spanish: the interface is written for it.
NumberFormat userNumberFormat();

// The language of Qt's own texts, from LC_ALL, then LC_MESSAGES, then LANG;
// Spanish likewise.
QLocale userLanguage();

} // namespace ajuste
