#include "window/user_locale.h"

#include <QLocale>
#include <QRegularExpression>

namespace ajuste {

namespace {

QString localeName()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value.section(QRegularExpression("[.@]"), 0, 0);
    }
    return {};
}

} // namespace

NumberFormat userNumberFormat()
{
    const QString name = localeName();
    QLocale locale(QLocale::Spanish, QLocale::Spain);
    if (!name.isEmpty() && name != "C" && name != "POSIX") {
        const QLocale named(name);
        if (named.language() != QLocale::C)
            locale = named;
    }
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace ajuste
