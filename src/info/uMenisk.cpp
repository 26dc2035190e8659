#include "info/uMenisk.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/FigureNames.h"
#include "info/InfoStyle.h"
#include "info/uFigers.h"
#include "info/uMeniskFig.h"
#include "info/uMeniskFig1.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

TfmMenisk::TfmMenisk(QWidget *owner)
    : TForm(owner, QStringLiteral("fmMenisk"), QStringLiteral("Virelt 2"))
{
    BuildLayout();
    FormCreate();
    // Connected to toggled: a state set from code runs the handler as a click does.
    OnEvent(chbTable, &QCheckBox::toggled, this, &TfmMenisk::chbTableClick);
    OnEvent(chbFig, &QCheckBox::toggled, this, &TfmMenisk::chbFigClick);
    OnEvent(dblAutor, &TDBLookupComboBox::clicked, this, &TfmMenisk::dblAutorClick);
    OnEvent(
        dblSelectMeniskFig, &TDBLookupComboBox::clicked, this, &TfmMenisk::dblSelectMeniskFigClick);
    OnEvent(dblMeniskFig, &TDBLookupComboBox::clicked, this, &TfmMenisk::dblMeniskFigClick);
    OnEvent(sbFig, &QToolButton::clicked, this, &TfmMenisk::sbFigClick);
    OnEvent(SpeedButton1, &QToolButton::clicked, this, &TfmMenisk::SpeedButton1Click);
    OnEvent(SpeedButton2, &QToolButton::clicked, this, &TfmMenisk::SpeedButton2Click);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmMenisk::sbHelpClick);
}

void TfmMenisk::FormCreate()
{
    dblAutor->SetKeyField(QStringLiteral("ID_AUTOR_MENISK"));
    dblAutor->SetListField(QStringLiteral("NAZWISKO"));
    chbTable->setChecked(true);
}

void TfmMenisk::FormShow()
{
    chbTable->setChecked(true);
    sbFig->setEnabled(true);
}

void TfmMenisk::SetKindFields()
{
    dblSelectMeniskFig->SetKeyField(QStringLiteral("ID_SELECT_MENISK_FIG"));
    dblSelectMeniskFig->SetListField(QStringLiteral("NAZWA"));
}

void TfmMenisk::chbTableClick()
{
    if (chbTable->isChecked()) {
        for (TDBLookupComboBox *picker : { dblSelectMeniskFig, dblMeniskFig }) {
            picker->SetKeyField({});
            picker->SetListField({});
        }
        chbFig->setChecked(false);
        for (TDBLookupComboBox *picker : { dblAutor, dblSelectMeniskFig, dblMeniskFig })
            picker->setEnabled(false);
    } else {
        chbFig->setChecked(true);
        sbFig->setEnabled(false);
    }
}

void TfmMenisk::chbFigClick()
{
    if (!chbFig->isChecked()) {
        chbTable->setChecked(true);
        sbFig->setEnabled(true);
        return;
    }
    chbTable->setChecked(false);
    dblAutor->setEnabled(true);
    if (dblAutor->Text().isEmpty()) {
        dblSelectMeniskFig->setEnabled(false);
        return;
    }
    SetKindFields();
    dblSelectMeniskFig->setEnabled(true);
    sbFig->setEnabled(true);
}

void TfmMenisk::dblAutorClick()
{
    if (!chbFig->isChecked())
        return;
    SetKindFields();
    dblSelectMeniskFig->setEnabled(true);
    dmDataModule->OpenSelectMeniskFig();
    sbFig->setEnabled(true);
}

void TfmMenisk::dblSelectMeniskFigClick()
{
    if (dblSelectMeniskFig->Text().isEmpty()) {
        dblMeniskFig->setEnabled(false);
        return;
    }
    dblMeniskFig->SetKeyField(QStringLiteral("ID_MENISK_FIG"));
    dblMeniskFig->SetListField(QStringLiteral("OZNACZENIE"));
    dblMeniskFig->setEnabled(true);
    dmDataModule->OpenMeniskFig();
}

void TfmMenisk::dblMeniskFigClick()
{
    if (!dblMeniskFig->Text().isEmpty())
        sbFig->setEnabled(true);
}

QString TfmMenisk::FigurePath() const
{
    const QString system = fmSelect->dblSelect->Text();
    return FigureNames::MeniskFolder(
               Paths::DatabaseFolder(), fmStart->dblSelectSystem->Text(), system)
        + FigureNames::MeniskFileName(
            dblAutor->Text(), system, dblSelectMeniskFig->Text(), dblMeniskFig->Text());
}

void TfmMenisk::sbFigClick()
{
    dmDataModule->OpenAutor();
    dmDataModule->OpenMenisk();
    if (!chbFig->isChecked()) {
        fmMeniskFig->ShowModal();
        return;
    }
    if (const QString path = FigureNames::FindFile(FigurePath()); !path.isEmpty()) {
        InfoStyle::ShowJpeg(fmMeniskFig1->Image1, path);
        fmMeniskFig1->ShowModal();
        return;
    }
    RunTaskWindow(fmFigers, this, [] {
        fmFigers->PrepareMeniskList();
        if (fmFigers->ListBox1->count() > 0)
            fmFigers->ShowModal();
        else
            ShowMessage(QStringLiteral("Data in the table only."));
    });
}

void TfmMenisk::SpeedButton2Click()
{
    fmStart->OpenMeniskFolder();
}

void TfmMenisk::SpeedButton1Click()
{
    Close();
}

void TfmMenisk::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}
