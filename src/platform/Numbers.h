#pragma once

#include "platform/Fixed.h"

#include <QString>

// Text and number conversions as the program expects them. The program was made for a
// regional setting whose decimal separator is ","; that is fixed here so typed numbers,
// normalised to ",", convert the same on every machine.
namespace Numbers {

inline constexpr QChar DecimalSeparator = u',';

// Removes leading and trailing characters up to U+0020 (blanks and control characters).
QString Trim(const QString &s);

// Raise EConvertError with the program's messages when the text is not a number.
int StrToInt(const QString &s);
long double StrToFloat(const QString &s);
Fixed StrToCurr(const QString &s);

// The general format (up to 15 significant digits) and the "#.##" display format,
// all with the program's decimal separator.
QString FloatToStr(long double value);
QString FormatFloat(const QString &format, long double value);

// The same general format with another separator, for files that must use ".".
QString FloatToStrWith(long double value, QChar separator);

} // namespace Numbers
