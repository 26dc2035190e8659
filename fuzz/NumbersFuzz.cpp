// Typed numbers: the number check of the data module and the conversions of typed text.
#include "Refusal.h"
#include "data/uDataModule.h"
#include "platform/Numbers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    AllowRefusal([&] { TdmDataModule::TypedNumber(text); });
    AllowRefusal([&] { Numbers::StrToInt(text); });
    AllowRefusal([&] { Numbers::StrToFloat(text); });
    AllowRefusal([&] { Numbers::StrToCurr(text); });
    return 0;
}
