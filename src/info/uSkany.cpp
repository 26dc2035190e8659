#include "info/uSkany.h"

#include "data/uDataModule.h"
#include "info/FigurePrint.h"
#include "info/InfoStyle.h"
#include "info/uReferences.h"
#include "platform/Application.h"

#include <QFileInfo>
#include <QScreen>
#include <QVBoxLayout>

using namespace InfoStyle;

namespace {

const int PanelHeight = 44;

} // namespace

TfmSkany::TfmSkany(QWidget *owner)
    : TForm(owner, QStringLiteral("fmSkany"), QStringLiteral("Virelt 2"))
{
    resize(640, 480 + PanelHeight);
    auto *layout = FlushColumn(this);
    // The picture grows with the window but keeps its proportions.
    Image1 = ProportionalPicture(this, "Image1");
    layout->addWidget(Image1, 1);
    sbExit = Button(this, "sbExit", QStringLiteral("Exit"));
    sbReferences = Button(this, "sbReferences", QStringLiteral("References"));
    sbPrint = Button(this, "sbPrint", QStringLiteral("Print"));
    Panel1 = ButtonPanel(
        this, "Panel1", PanelHeight, clMoneyGreen, { sbReferences, sbPrint }, { sbExit });
    layout->addWidget(Panel1);
    OnEvent(sbExit, &QToolButton::clicked, this, &TfmSkany::sbExitClick);
    OnEvent(sbReferences, &QToolButton::clicked, this, &TfmSkany::sbReferencesClick);
    OnEvent(sbPrint, &QToolButton::clicked, this, &TfmSkany::sbPrintClick);
}

void TfmSkany::LoadPicture(const QString &path)
{
    const QImage picture = ShowJpeg(Image1, path);
    FFileName = path;
    // The window takes the picture's shape, as large as the screen allows.
    QSize size = picture.size();
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableSize() * 9 / 10 - QSize(0, PanelHeight));
    resize(picture.size().scaled(size, Qt::KeepAspectRatio) + QSize(0, PanelHeight));
}

void TfmSkany::sbExitClick()
{
    Close();
}

void TfmSkany::sbReferencesClick()
{
    dmDataModule->OpenAutor();
    fmReferences->ShowModal();
}

QRect TfmSkany::PrintRect(QSize picture, const QRect &page)
{
    return FigurePrint::PictureRect(QPoint(50, 200), picture * 2, page);
}

void TfmSkany::sbPrintClick()
{
    const QImage picture = Image1->pixmap().toImage();
    FigurePrint::Print(QFileInfo(FFileName).completeBaseName() + QStringLiteral(".pdf"),
        [&](Printer::TPrinterCanvas &canvas) {
            canvas.StretchDraw(PrintRect(picture.size(), canvas.Page()), picture);
            canvas.SetFont(TimesPointFont(12, true));
            canvas.TextOut(50, 50,
                QStringLiteral("VIRELT 2 Database of Lead - Free "
                               "Soldering Materials"));
        });
}
