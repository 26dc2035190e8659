#pragma once

#include "platform/Exceptions.h"

// A reader may refuse an input with one of the program's errors, whose message the user then
// reads; any other exception, a crash or a sanitizer report is a finding.
template <class Read> void AllowRefusal(Read &&read)
{
    try {
        read();
    } catch (const Exception &) {
    }
}
