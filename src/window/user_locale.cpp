#include "window/user_locale.h"

#include <QRegularExpression>

#include <initializer_list>

namespace ajuste {

namespace {

QString localeName(std::initializer_list<const char*> variables)
{
    for (const char* variable : variables) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value.section(QRegularExpression("[.@]"), 0, 0);
    }
    return {};
}

// The first of the variables that is set names the locale. With none set,
// or C/POSIX, Spanish: the interface is written for it.
QLocale userLocale(std::initializer_list<const char*> variables)
{
    const QString name = localeName(variables);
    if (!name.isEmpty() && name != "C" && name != "POSIX") {
        const QLocale named(name);
        if (named.language() != QLocale::C)
            return named;
    }
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

} // namespace

NumberFormat userNumberFormat()
{
    const QLocale locale = userLocale({"LC_ALL", "LC_NUMERIC", "LANG"});
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QLocale userLanguage()
{
    return userLocale({"LC_ALL", "LC_MESSAGES", "LANG"});
}

QString numberText(double x, const NumberFormat& user)
{
    return QString::fromStdString(toText(x, user));
}

double typedNumber(const QString& text, const NumberFormat& user)
{
    return toNumber(text.toStdString(), user);
}

} // namespace ajuste
