#pragma once

#include "platform/Fixed.h"

#include <QTest>

// Held values are compared as their raw four-decimal integers, so a mismatch shows both.
#define QCOMPARE_FIXED(actual, expected) QCOMPARE(Fixed(actual).Raw(), Fixed(expected).Raw())
