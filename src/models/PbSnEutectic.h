#pragma once

#include "platform/Fixed.h"

// The classic eutectic Pb-Sn solder, drawn against temperature as a reference line so a
// lead-free alloy can be compared with it.

struct PbSnEutectic
{
    Fixed density; // g/cm^3
    Fixed surfaceTension; // mN/m
};

PbSnEutectic PbSnEutecticAt(Fixed t);

// The line's temperatures in K: first, first + step, ..., last.
namespace PbSnEutecticLine {
inline constexpr int FirstT = 500;
inline constexpr int LastT = 1300;
inline constexpr int StepT = 100;
} // namespace PbSnEutecticLine
