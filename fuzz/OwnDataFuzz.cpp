// Own-data files: the lines of the file as Load puts them into the memo, then the points that
// OK reads from the memo.
#include "Refusal.h"
#include "chart/ChartBuilders.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // It lives to the end of the process: nothing is torn down behind the fuzzer's exit.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // A memo of its own for each input, so that what one leaves behind is no leak of the next.
    QPlainTextEdit memo;
    memo.setPlainText(TextFile::Lines(file).join(u'\n'));
    TModelChart2 reader(&memo, nullptr, u';', u'.');
    AllowRefusal([&] { reader.LoadPoints(); });
    return 0;
}
