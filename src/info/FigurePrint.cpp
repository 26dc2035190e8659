#include "info/FigurePrint.h"

#include "app/Main.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

namespace FigurePrint {

QRect PictureRect(QPoint origin, QSize size, const QRect &page)
{
    const QSize room(page.right() - origin.x(), page.bottom() - origin.y());
    if (size.width() > room.width() || size.height() > room.height())
        size = size.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
    return QRect(origin, size);
}

void Print(const QString &pdfName, const std::function<void(Printer::TPrinterCanvas &)> &draw)
{
    const QString pdf = Paths::Join(fmStart->GetSaveDir(), pdfName);
    const Printer::Result printed = Printer::PrintPage(pdf, draw);
    if (printed.toPdf)
        MessageDlg(QStringLiteral("No printer is set up; the page was printed to %1").arg(pdf),
            mtInformation, mbOKOnly);
}

} // namespace FigurePrint
