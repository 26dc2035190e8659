// JPEG pictures: figures, meniscographic pictures and phase diagrams.
#include "Refusal.h"
#include "platform/Jpeg.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // A lower bound than the program's keeps each run short; the bound itself is tested.
    AllowRefusal([&] { Jpeg::Decode(file, QStringLiteral("fuzz.jpg"), 4'000'000); });
    return 0;
}
