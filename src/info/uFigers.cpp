#include "info/uFigers.h"

#include "app/Main.h"
#include "app/Messages.h"
#include "app/uSelect.h"
#include "info/FigureNames.h"
#include "info/InfoStyle.h"
#include "info/uAutorFig.h"
#include "info/uMenisk.h"
#include "info/uSkany.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace InfoStyle;

namespace {

QString Category()
{
    return fmStart->dblSelectSystem->Text();
}

QString System()
{
    return fmSelect->dblSelect->Text();
}

} // namespace

TfmFigers::TfmFigers(QWidget *owner)
    : TForm(owner, QStringLiteral("fmFigers"), QStringLiteral("VIRELT 2"))
{
    resize(520, 360);
    SetBackground(this, clMoneyGreen);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    Label1 = Label(this, "Label1",
        QStringLiteral("Figures available in this version VIRELT database"), TimesFont(16, true));
    Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1);
    auto *forRow = new QHBoxLayout;
    Label2 = Label(this, "Label2", QStringLiteral("for:"), TimesFont(16));
    Label3 = Label(this, "Label3", {}, TimesFont(16, true));
    Label3->setStyleSheet(QStringLiteral("color: #000080;"));
    forRow->addStretch(1);
    forRow->addWidget(Label2);
    forRow->addWidget(Label3);
    forRow->addStretch(1);
    layout->addLayout(forRow);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(TimesFont(15));
    layout->addWidget(ListBox1, 1);
    auto *buttons = new QHBoxLayout;
    sbShow = Button(this, "sbShow", QStringLiteral("Show"), false);
    sbClose = Button(this, "sbClose", QStringLiteral("Close"));
    SpeedButton1 = Button(this, "SpeedButton1", QStringLiteral("All data"));
    sbHelp = Button(this, "sbHelp", QStringLiteral("Help"));
    for (QWidget *b : { sbShow, SpeedButton1, sbHelp })
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(sbClose);
    layout->addLayout(buttons);

    // A picked entry is selected; the row the list makes current when it takes the focus is not.
    OnEvent(ListBox1, &QListWidget::itemSelectionChanged, this, &TfmFigers::ListBox1Click);
    OnEvent(ListBox1, &QListWidget::itemDoubleClicked, this, &TfmFigers::sbShowDblClick);
    OnEvent(sbShow, &QToolButton::clicked, this, &TfmFigers::sbShowClick);
    OnEvent(sbClose, &QToolButton::clicked, this, &TfmFigers::sbCloseClick);
    OnEvent(SpeedButton1, &QToolButton::clicked, this, &TfmFigers::SpeedButton1Click);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmFigers::sbHelpClick);
}

void TfmFigers::PrepareFigList()
{
    const QString author = fmAutorFig->AuthorText();
    fmStart->SetFigersDir(
        FigureNames::FigersPrefix(Paths::DatabaseFolder(), Category(), System(), author));
    Label3->setText(author);
    FillFigList();
}

void TfmFigers::FillFigList()
{
    ListBox1->clear();
    ListBox1->addItems(FigureNames::ExistingKinds(fmStart->GetFigersDir()));
}

void TfmFigers::PrepareMeniskList()
{
    fmStart->SetMeniskDir(FigureNames::MeniskFolder(Paths::DatabaseFolder(), Category(), System()));
    FillMeniskList();
    Label3->setText(fmMenisk->dblAutor->Text());
}

void TfmFigers::FillMeniskList()
{
    ListBox1->clear();
    const QString author = fmMenisk->dblAutor->Text();
    for (const QString &kind : FigureNames::MeniskKinds())
        if (!FigureNames::FindMeniskFigure(fmStart->GetMeniskDir(), author, System(), kind)
                 .isEmpty())
            ListBox1->addItem(kind);
}

QString TfmFigers::ComposeSelectedFigPath()
{
    const QList<QListWidgetItem *> picked = ListBox1->selectedItems();
    const QString caption = picked.isEmpty() ? QString() : picked.first()->text();
    QString wanted, found;
    if (const QString ending = FigureNames::EndingOf(caption); !ending.isEmpty()) {
        wanted = fmStart->GetFigersDir() + ending;
        found = FigureNames::FindFile(wanted);
    } else if (fmMenisk && FigureNames::MeniskKinds().contains(caption)) {
        // The figure that put the kind on the list, so the path names a file that exists.
        const QString author = fmMenisk->dblAutor->Text();
        wanted = fmStart->GetMeniskDir()
            + FigureNames::MeniskFileName(author, System(), caption, System());
        found = FigureNames::FindMeniskFigure(fmStart->GetMeniskDir(), author, System(), caption);
    }
    if (wanted.isEmpty())
        return {};
    const QString path = found.isEmpty() ? wanted : found;
    fmStart->SetSaveDir2(path);
    return path;
}

void TfmFigers::ListBox1Click()
{
    sbShow->setEnabled(!ListBox1->selectedItems().isEmpty());
}

void TfmFigers::sbShowClick()
{
    const QString path = ComposeSelectedFigPath();
    if (path.isEmpty()) {
        ShowMessage(NotAvailable);
        return;
    }
    fmSkany->LoadPicture(path);
    fmSkany->ShowModal();
}

void TfmFigers::sbShowDblClick()
{
    sbShowClick();
}

void TfmFigers::SpeedButton1Click()
{
    if (fmMenisk)
        fmStart->OpenMeniskFolder();
    else
        fmStart->OpenFigFolder();
}

void TfmFigers::sbCloseClick()
{
    Close();
}

void TfmFigers::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}
