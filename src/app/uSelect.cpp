#include "app/uSelect.h"

#include "app/Messages.h"

#include "app/DiagramReferences.h"
#include "app/Main.h"
#include "chart/uWykresy.h"
#include "data/Worker.h"
#include "data/uDataModule.h"
#include "info/FigureNames.h"
#include "info/InfoStyle.h"
#include "info/uAutorFig.h"
#include "info/uDiagram.h"
#include "info/uMenisk.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"

#include <QPixmap>

namespace {

const QString PureMetals = QStringLiteral("Pure metals");
const QString SurfaceTension = QStringLiteral("Surface tension");
const QString Viscosity = QStringLiteral("Viscosity");
const QString MolarVolume = QStringLiteral("Molar volume");

// The category of the chosen systems; 3 and more are ternary and higher.
int CategoryId()
{
    return Worker::Key(dmDataModule->qrSelect, "ID_SELECT");
}

QString CategoryText()
{
    return fmStart->dblSelectSystem->Text();
}

} // namespace

TfmSelect::TfmSelect(QWidget *owner)
    : TForm(owner, QStringLiteral("fmSelect"), QStringLiteral("Virelt 2"))
{
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    BuildLayout();
    MainMenu1 = BuildMainMenu(this);
    Timer1 = new TTimer(this, QStringLiteral("Timer1"), 10, true);
    Timer2 = new TTimer(this, QStringLiteral("Timer2"), 10, true);
    ConnectHandlers();
}

void TfmSelect::ConnectHandlers()
{
    OnEvent(Timer1, &QTimer::timeout, this, &TfmSelect::Timer1Timer);
    OnEvent(Timer2, &QTimer::timeout, this, &TfmSelect::Timer2Timer);
    OnEvent(dblSelect, &TDBLookupComboBox::clicked, this, &TfmSelect::dblSelectClick);
    OnEvent(dblWlasnosci, &TDBLookupComboBox::clicked, this, &TfmSelect::dblWlasnosciClick);
    // Connected to toggled: a state set from code runs the handler as a click does.
    OnEvent(chbTemp, &QCheckBox::toggled, this, &TfmSelect::chbTempClick);
    OnEvent(chbX, &QCheckBox::toggled, this, &TfmSelect::chbXClick);
    OnEvent(chbButler, &QCheckBox::toggled, this, &TfmSelect::chbButlerClick);
    OnEvent(chbIsosurface, &QCheckBox::toggled, this, &TfmSelect::chbIsosurfaceClick);
    OnEvent(SpeedButton1, &QToolButton::clicked, this, &TfmSelect::SpeedButton1Click);
    OnEvent(SpeedButton2, &QToolButton::clicked, this, &TfmSelect::SpeedButton2Click);
    OnEvent(SpeedButton3, &QToolButton::clicked, this, &TfmSelect::SpeedButton3Click);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmSelect::sbHelpClick);
    OnEvent(SpeedButton5, &QToolButton::clicked, this, &TfmSelect::SpeedButton5Click);
    OnEvent(SpeedButton6, &QToolButton::clicked, this, &TfmSelect::SpeedButton6Click);
    OnEvent(sbPhaseDiagram, &QToolButton::clicked, this, &TfmSelect::sbPhaseDiagramClick);
    OnEvent(sbMenisk, &QToolButton::clicked, this, &TfmSelect::sbMeniskClick);
}

bool TfmSelect::NextAllowed() const
{
    return !(dblWlasnosci->Text() == MolarVolume && chbTemp->isChecked());
}

void TfmSelect::FormShow()
{
    const int category = CategoryId();
    chbIsosurface->setVisible(category >= 3 && dblWlasnosci->Text() == SurfaceTension);
    DBGrid1->SetDataSource(nullptr);
    SpeedButton1->setEnabled(!dblSelect->Text().isEmpty() && !dblWlasnosci->Text().isEmpty());
}

void TfmSelect::Timer1Timer()
{
    const bool complete = !Numbers::Trim(dblSelect->Text()).isEmpty()
        && !Numbers::Trim(dblWlasnosci->Text()).isEmpty();
    Timer1->SetEnabled(!complete);
    SpeedButton1->setEnabled(complete && NextAllowed());
    SpeedButton6->setEnabled(complete);
}

void TfmSelect::Timer2Timer()
{
    const QString property = dblWlasnosci->Text();
    const bool available = property == SurfaceTension || property == Viscosity;
    Timer2->SetEnabled(!available);
    chbButler->setEnabled(available);
}

void TfmSelect::dblSelectClick()
{
    const bool chosen = !dblSelect->Text().isEmpty();
    const bool pure = CategoryText() == PureMetals;
    SpeedButton5->setEnabled(pure && chosen);
    sbPhaseDiagram->setEnabled(!pure && chosen);
    sbMenisk->setEnabled(!pure && chosen);
    SpeedButton1->setEnabled(NextAllowed());
}

void TfmSelect::dblWlasnosciClick()
{
    const int category = CategoryId();
    const QString property = dblWlasnosci->Text();
    if (property == SurfaceTension || property == Viscosity) {
        chbButler->setEnabled(true);
    } else {
        chbButler->setEnabled(false);
        chbButler->setChecked(false);
    }
    if (property == SurfaceTension) {
        chbButler->setText(QStringLiteral("Butler model"));
        if (category >= 3)
            chbIsosurface->show();
    } else {
        chbButler->setText(QStringLiteral("Model"));
        chbIsosurface->hide();
    }
    SpeedButton1->setEnabled(NextAllowed());
}

void TfmSelect::chbTempClick()
{
    if (chbTemp->isChecked()) {
        chbX->setChecked(false);
        chbIsosurface->setChecked(false);
    } else if (chbX->isChecked()) {
        chbIsosurface->setChecked(false);
    } else if (!chbIsosurface->isChecked()) {
        chbX->setChecked(true);
    } else {
        SpeedButton1->setEnabled(false);
    }
    if (!NextAllowed())
        SpeedButton1->setEnabled(false);
}

void TfmSelect::chbXClick()
{
    if (chbX->isChecked()) {
        chbTemp->setChecked(false);
        chbIsosurface->setChecked(false);
        SpeedButton1->setEnabled(true);
    } else if (chbTemp->isChecked()) {
        chbIsosurface->setChecked(false);
        SpeedButton1->setEnabled(dblWlasnosci->Text() != MolarVolume);
    } else if (!chbIsosurface->isChecked()) {
        chbTemp->setChecked(true);
    } else {
        SpeedButton1->setEnabled(false);
    }
}

void TfmSelect::chbButlerClick()
{
    if (!chbButler->isChecked()) {
        chbIsosurface->hide();
        chbX->setChecked(true);
    } else {
        chbIsosurface->show();
    }
}

void TfmSelect::chbIsosurfaceClick()
{
    if (chbIsosurface->isChecked()) {
        chbTemp->setChecked(false);
        chbX->setChecked(false);
        chbButler->setChecked(true);
        // Fig is then the only way on.
        SpeedButton1->setEnabled(false);
    } else {
        chbButler->setChecked(false);
        chbIsosurface->show();
    }
}

void TfmSelect::SpeedButton1Click()
{
    RunTaskWindow(fmWykres, this, [] {
        dmDataModule->OpenAutor();
        dmDataModule->OpenAutor1();
        dmDataModule->OpenX();
        // The next meniscographic run starts from a fresh window.
        Release(fmMenisk);
        fmWykres->ShowModal();
    });
}

void TfmSelect::SpeedButton2Click()
{
    DBGrid1->SetDataSource(nullptr);
    Close();
}

void TfmSelect::SpeedButton3Click()
{
    Application().Terminate();
}

void TfmSelect::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}

void TfmSelect::SpeedButton5Click()
{
    DBGrid1->SetDataSource(dmDataModule->dsPierwiastki);
    dmDataModule->OpenPierwiastki();
}

void TfmSelect::SpeedButton6Click()
{
    dmDataModule->OpenAutor();
    if (dblWlasnosci->Text() == Viscosity && chbButler->isChecked())
        fmAutorFig->sbOKClick();
    else
        fmAutorFig->ShowModal();
}

void TfmSelect::sbPhaseDiagramClick()
{
    const QString path = FigureNames::FindFile(
        FigureNames::DiagramFile(Paths::DatabaseFolder(), CategoryText(), dblSelect->Text()));
    if (path.isEmpty()) {
        ShowMessage(NotAvailable);
        return;
    }
    InfoStyle::ShowJpeg(fmDiagram->Image1, path);
    LoadDiagramReferences();
    fmDiagram->ShowModal();
}

void TfmSelect::LoadDiagramReferences()
{
    fmDiagram->ListBox1->clear();
    fmDiagram->ListBox1->addItems(DiagramReferences::ReadBlock(
        FigureNames::DiagramReferencesFile(Paths::DatabaseFolder()), dblSelect->Text()));
}

void TfmSelect::sbMeniskClick()
{
    RunTaskWindow(fmMenisk, this, [] {
        dmDataModule->OpenAutorMenisk();
        fmMenisk->ShowModal();
    });
}
