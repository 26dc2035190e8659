#include "info/uBadania.h"

#include "info/InfoStyle.h"
#include "platform/Application.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace InfoStyle;

namespace {

const QSize ClientSize(692, 466);
const int PanelHeight = 41;

} // namespace

TfmBadania::TfmBadania(QWidget *owner, const QString &name)
    : TForm(owner, name, QStringLiteral("Virelt 2"))
{
    setFixedSize(ClientSize);
    SetBackground(this, clMoneyGreen);
    auto *layout = FlushColumn(this);
    Body = new QWidget(this);
    layout->addWidget(Body, 1);
    SpeedButton1 = Button(this, "SpeedButton1", QStringLiteral("OK"));
    SpeedButton1->setFont(TimesFont(21));
    SpeedButton1->setMinimumWidth(110);
    Panel1 = ButtonPanel(this, "Panel1", PanelHeight, clMoneyGreen, {}, { SpeedButton1 });
    layout->addWidget(Panel1);
    OnEvent(SpeedButton1, &QToolButton::clicked, this, &TfmBadania::SpeedButton1Click);
}

void TfmBadania::SpeedButton1Click()
{
    Close();
}

TMethodWindow::TMethodWindow(QWidget *owner, const QString &name, const Sheets::MethodSheet &sheet)
    : TfmBadania(owner, name)
{
    auto *layout = new QVBoxLayout(Body);
    layout->setContentsMargins(14, 10, 14, 4);
    lblTytul = Label(Body, "lblTytul", sheet.title, TimesFont(21, true));
    lblTytul->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblTytul);

    auto *row = new QHBoxLayout;
    row->setSpacing(14);
    if (sheet.schematic) {
        Image1 = FixedPicture(Body, "Image1", sheet.schematic(sheet.schematicSize));
        row->addWidget(Image1, 0, Qt::AlignTop);
    }
    Memo1 = new QTextBrowser(Body);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFont(TimesFont(sheet.textPixelSize));
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->setStyleSheet(QStringLiteral("QTextBrowser { background: transparent; }"));
    Memo1->setOpenLinks(false);
    Memo1->document()->setDocumentMargin(2);
    Memo1->setHtml(sheet.html);
    row->addWidget(Memo1, 1);
    layout->addLayout(row, 1);
}

TModelWindow::TModelWindow(QWidget *owner, const QString &name, const Sheets::ModelSheet &sheet)
    : TfmBadania(owner, name)
{
    Image1 = Picture(Body, "Image1");
    Image1->setPixmap(QPixmap::fromImage(
        Sheets::Render(sheet, QSize(ClientSize.width(), ClientSize.height() - PanelHeight))));
    FlushColumn(Body)->addWidget(Image1);
}
