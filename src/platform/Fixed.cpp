#include "platform/Fixed.h"

#include "platform/MathErrors.h"

#include <cmath>

Fixed::Fixed(long double value)
{
    const long double scaled = CheckedResult(value) * Scale;
    if (scaled >= 9223372036854775807.0L || scaled <= -9223372036854775808.0L)
        throw EMathError(MathErrors::Overflow);
    // nearbyintl follows the current rounding mode, which the program never leaves:
    // round to nearest, ties to even.
    m_raw = static_cast<qint64>(std::nearbyintl(scaled));
}
