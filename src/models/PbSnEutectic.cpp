// The Pb-Sn eutectic reference line: linear in T, held to four decimals.

#include "models/PbSnEutectic.h"

PbSnEutectic PbSnEutecticAt(Fixed t)
{
    return { 8.8256L - 0.001121L * t, 505.1L - 0.0644L * t };
}
