// References.txt: the block of one system's phase-diagram references.
#include "Refusal.h"
#include "app/DiagramReferences.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    AllowRefusal([&] { DiagramReferences::Block(file, QStringLiteral("Ag-Sn")); });
    return 0;
}
