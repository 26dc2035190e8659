#include "info/uDiagram.h"

#include "app/uSelect.h"
#include "info/FigurePrint.h"
#include "info/InfoStyle.h"
#include "platform/Application.h"

#include <QVBoxLayout>

using namespace InfoStyle;

TfmDiagram::TfmDiagram(QWidget *owner)
    : TForm(owner, QStringLiteral("fmDiagram"), QStringLiteral("Virelt 2"))
{
    resize(598, 625);
    auto *layout = FlushColumn(this);
    Image1 = Picture(this, "Image1");
    layout->addWidget(Image1, 1);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFixedHeight(45);
    ListBox1->setStyleSheet(QStringLiteral("QListWidget { background: %1; } QListWidget::item "
                                           "{ height: 19px; }")
                                .arg(ToQColor(clMoneyGreen).name()));
    layout->addWidget(ListBox1);
    sbPrint = Button(this, "sbPrint", QStringLiteral("Print"));
    sbExit = Button(this, "sbExit", QStringLiteral("Exit"));
    Panel1 = ButtonPanel(this, "Panel1", 44, clMoneyGreen, { sbPrint }, { sbExit });
    layout->addWidget(Panel1);
    OnEvent(sbPrint, &QToolButton::clicked, this, &TfmDiagram::sbPrintClick);
    OnEvent(sbExit, &QToolButton::clicked, this, &TfmDiagram::sbExitClick);
}

void TfmDiagram::sbExitClick()
{
    Close();
}

QRect TfmDiagram::PrintRect(QSize picture, int printerPixelsPerInch, int screenPixelsPerInch,
    const QRect &page, int titleHeight, int referencesHeight)
{
    // A printer coarser than the screen still prints the picture, at its own pixel size.
    const int factor = qMax(1, printerPixelsPerInch / screenPixelsPerInch);
    const QRect room(QPoint(20, qMax(100, TitleTop + titleHeight)),
        QPoint(page.right(), page.bottom() - referencesHeight));
    return FigurePrint::PictureRect(room.topLeft(), picture * factor, room);
}

void TfmDiagram::sbPrintClick()
{
    const QImage picture = Image1->pixmap().toImage();
    QStringList references;
    for (int i = 0; i < ListBox1->count(); ++i)
        references << ListBox1->item(i)->text();
    const QString system = fmSelect ? fmSelect->dblSelect->Text() : QString();
    FigurePrint::Print(QStringLiteral("Phase diagram of %1.pdf").arg(system),
        [&](Printer::TPrinterCanvas &canvas) {
            canvas.SetFont(TimesPointFont(18, true));
            const int titleHeight = canvas.TextHeight();
            canvas.TextOut(
                10, TitleTop, QStringLiteral("VIRELT Database of Lead - Free Soldering Materials"));
            // The references the window shows go below the picture, broken to the page's width;
            // the picture gives way so that all of them stay on the page.
            canvas.SetFont(TimesPointFont(10, false));
            const int width = canvas.Page().right() - 20;
            int referencesHeight = canvas.TextHeight();
            for (const QString &line : references)
                referencesHeight += canvas.WrappedTextHeight(width, line);
            const QRect rect = PrintRect(picture.size(), canvas.PixelsPerInch(), logicalDpiX(),
                canvas.Page(), titleHeight, referencesHeight);
            canvas.StretchDraw(rect, picture);
            int y = rect.bottom() + canvas.TextHeight();
            for (const QString &line : references) {
                const int height = canvas.WrappedTextHeight(width, line);
                canvas.WrappedTextOut(QRect(20, y, width, height), line);
                y += height;
            }
        });
}
