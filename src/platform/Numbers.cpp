#include "platform/Numbers.h"

#include "platform/Exceptions.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

namespace Numbers {

QString Trim(const QString &s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s.at(first).unicode() <= 0x20)
        ++first;
    while (last > first && s.at(last - 1).unicode() <= 0x20)
        --last;
    return s.mid(first, last - first);
}

static bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int StrToInt(const QString &s)
{
    const QString t = Trim(s);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-'))
        negative = t.at(i++) == u'-';
    qint64 value = 0;
    bool anyDigit = false;
    for (; i < t.size(); ++i) {
        if (!IsAsciiDigit(t.at(i)))
            break;
        anyDigit = true;
        value = value * 10 + (t.at(i).unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            break;
    }
    const qint64 signedValue = negative ? -value : value;
    if (!anyDigit || i != t.size() || signedValue > std::numeric_limits<int>::max()
        || signedValue < std::numeric_limits<int>::min())
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return int(signedValue);
}

long double StrToFloat(const QString &s)
{
    const QString t = Trim(s);
    static const QRegularExpression pattern(
        QStringLiteral("^[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?$"));
    // QRegularExpression's \d matches other scripts' digits too; test for ASCII ones.
    bool ascii = true;
    for (QChar c : t)
        if (c.unicode() > 0x7f)
            ascii = false;
    if (!ascii || !pattern.match(t).hasMatch())
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
    QString c = t;
    c.replace(DecimalSeparator, u'.');
    if (c.startsWith(u'+'))
        c.remove(0, 1);
    if (c.startsWith(u'.') || c.startsWith(QLatin1String("-.")))
        c.insert(c.indexOf(u'.'), u'0');
    // from_chars follows no locale, unlike strtold under a decimal-comma desktop.
    const std::string text = c.toStdString();
    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || std::isinf(value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
    return value;
}

Fixed StrToCurr(const QString &s)
{
    return Fixed(StrToFloat(s));
}

QString FloatToStrWith(long double value, QChar separator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    // Up to 15 significant digits, no trailing zeros; exponent form below 1E-4 and from 1E15.
    char buffer[64];
    const auto written
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const QString sci = QString::fromLatin1(buffer, written.ptr - buffer);
    const qsizetype ePos = sci.indexOf(u'e');
    const int exponent = sci.mid(ePos + 1).toInt();
    QString mantissa = sci.left(ePos);
    const bool negative = mantissa.startsWith(u'-');
    if (negative)
        mantissa.remove(0, 1);
    QString digits = mantissa;
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString result;
    if (exponent < -4 || exponent >= 15) {
        result = digits.left(1);
        if (digits.size() > 1)
            result += separator + digits.mid(1);
        result += QStringLiteral("E%1%2").arg(exponent < 0 ? "-" : "+").arg(std::abs(exponent));
    } else if (exponent < 0) {
        result = QStringLiteral("0") + separator + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        result = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        result = digits.left(exponent + 1) + separator + digits.mid(exponent + 1);
    }
    return negative ? u'-' + result : result;
}

QString FloatToStr(long double value)
{
    return FloatToStrWith(value, DecimalSeparator);
}

// Optional-digit formats such as "#.##" and "0.00": integer part without leading zeros
// unless the format asks for them, at most as many decimals as the format has places,
// trailing optional zeros dropped; halves round away from zero.
QString FormatFloat(const QString &format, long double value)
{
    // Past 18 integer digits the general format's exponent form says more than a row of digits.
    if (std::isnan(value) || std::isinf(value) || std::fabs(value) >= 1e18L)
        return FloatToStr(value);
    const qsizetype dot = format.indexOf(u'.');
    const QString intPart = dot < 0 ? format : format.left(dot);
    const QString fracPart = dot < 0 ? QString() : format.mid(dot + 1);
    const int places = int(fracPart.size());
    const int requiredPlaces = int(fracPart.count(u'0'));
    const bool requiredInteger = intPart.contains(u'0');

    long double scale = std::pow(10.0L, places);
    const long double magnitude = std::fabs(value) * scale;
    long double rounded = std::floor(magnitude + 0.5L);
    const bool negative = value < 0 && rounded != 0;

    // The scaled value may exceed every integer type: its digits come from the float itself.
    char buffer[64];
    const auto written
        = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 0);
    QString digits = QString::fromLatin1(buffer, written.ptr - buffer);
    if (digits.size() <= places)
        digits = QString(places + 1 - digits.size(), u'0') + digits;
    QString integer = digits.left(digits.size() - places);
    QString fraction = digits.right(places);
    while (fraction.size() > requiredPlaces && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (integer == QLatin1String("0") && !requiredInteger)
        integer.clear();
    QString result = integer;
    if (!fraction.isEmpty())
        result += DecimalSeparator + fraction;
    if (negative && !result.isEmpty())
        result.prepend(u'-');
    return result;
}

} // namespace Numbers
