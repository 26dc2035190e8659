#pragma once

#include <QtGlobal>

// Fixed-point number with four decimal places: a 64-bit integer scaled by 10,000.
// Every assignment from extended floating point rounds to the nearest 0.0001, ties to even;
// arithmetic in between runs in long double through the implicit conversion.
class Fixed
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Fixed() = default;
    Fixed(long double value); // NOLINT: rounds like an assignment
    Fixed(double value)
        : Fixed(static_cast<long double>(value))
    {
    }
    Fixed(int value)
        : m_raw(qint64(value) * Scale)
    {
    }

    static constexpr Fixed FromRaw(qint64 raw)
    {
        Fixed f;
        f.m_raw = raw;
        return f;
    }

    constexpr qint64 Raw() const { return m_raw; }
    long double ToLongDouble() const { return static_cast<long double>(m_raw) / Scale; }
    double ToDouble() const { return static_cast<double>(ToLongDouble()); }
    operator long double() const { return ToLongDouble(); } // NOLINT: extended arithmetic

    friend constexpr bool operator==(Fixed a, Fixed b) { return a.m_raw == b.m_raw; }

private:
    qint64 m_raw = 0;
};
