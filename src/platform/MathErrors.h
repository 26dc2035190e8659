#pragma once

#include "platform/Exceptions.h"

#include <QString>

#include <cmath>

// The floating-point failures that reach the user as messages instead of NaN or infinity.
namespace MathErrors {
inline const QString InvalidOperation = QStringLiteral("Invalid floating point operation");
inline const QString DivisionByZero = QStringLiteral("Floating point division by zero");
inline const QString Overflow = QStringLiteral("Floating point overflow");
} // namespace MathErrors

// Raises the matching math error when a computed value is not a finite number.
inline long double CheckedResult(long double value)
{
    if (std::isnan(value))
        throw EMathError(MathErrors::InvalidOperation);
    if (std::isinf(value))
        throw EMathError(MathErrors::Overflow);
    return value;
}

inline long double CheckedDivide(long double numerator, long double denominator)
{
    if (denominator == 0.0L)
        throw EMathError(
            numerator == 0.0L ? MathErrors::InvalidOperation : MathErrors::DivisionByZero);
    return CheckedResult(numerator / denominator);
}

// Natural logarithm; zero or a negative argument is an invalid operation.
inline long double CheckedLn(long double value)
{
    if (!(value > 0.0L))
        throw EMathError(MathErrors::InvalidOperation);
    return std::log(value);
}

inline long double CheckedExp(long double value)
{
    return CheckedResult(std::exp(value));
}

inline long double CheckedPower(long double base, long double exponent)
{
    return CheckedResult(std::pow(base, exponent));
}
