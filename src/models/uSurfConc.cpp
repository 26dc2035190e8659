#include "models/uSurfConc.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "models/ModelCurves.h"
#include "models/SurfaceConcentration.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The temperatures the model accepts, both ends included; the curves themselves do not depend
// on temperature.
constexpr int MinT = 273;
constexpr int MaxT = 2000;

QWidget *Panel(QWidget *parent, const char *name)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

QLabel *Label(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

TfmSurfConc::TfmSurfConc(QWidget *owner)
    : TForm(owner, QStringLiteral("fmSurfConc"), QStringLiteral("Virelt 2"))
{
    BuildLayout();
    OnEvent(sbModelOK, &QToolButton::clicked, this, &TfmSurfConc::sbModelOKClick);
    OnEvent(sbClear1, &QToolButton::clicked, this, &TfmSurfConc::sbClear1Click);
    OnEvent(sbBack, &QToolButton::clicked, this, &TfmSurfConc::sbBackClick);
    OnEvent(sbExit, &QToolButton::clicked, this, &TfmSurfConc::sbExitClick);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmSurfConc::sbHelpClick);
}

void TfmSurfConc::BuildLayout()
{
    resize(700, 500);
    // The panels show the window's colour; the chart paints its own white.
    SetBackground(this, clMoneyGreen);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(2);
    auto *top = new QHBoxLayout;

    Panel3 = Panel(this, "Panel3");
    dbChartSurfConc = new TDBChart(Panel3, QStringLiteral("dbChartSurfConc"));
    dbChartSurfConc->SetColor(clWhite);
    auto *chartLayout = new QVBoxLayout(Panel3);
    chartLayout->setContentsMargins(2, 2, 2, 2);
    chartLayout->addWidget(dbChartSurfConc);
    top->addWidget(Panel3, 1);

    Panel2 = Panel(this, "Panel2");
    Panel2->setFixedWidth(175);
    Label1 = Label(Panel2, "Label1", QStringLiteral("SURFACE "));
    Label2 = Label(Panel2, "Label2", QStringLiteral("CONCENTRATION"));
    for (QLabel *title : { Label1, Label2 }) {
        QFont f = title->font();
        f.setBold(true);
        title->setFont(f);
        title->setAlignment(Qt::AlignCenter);
    }
    lblTmodel = Label(Panel2, "lblTmodel", QStringLiteral("T model ="));
    edModel = new QLineEdit(Panel2);
    edModel->setObjectName(QStringLiteral("edModel"));
    edModel->setMaxLength(4);
    edModel->setFixedWidth(56);
    lblK = Label(Panel2, "lblK", QStringLiteral("[ K ]"));
    sbModelOK = new TSpeedButton(Panel2, QStringLiteral("sbModelOK"), QStringLiteral("OK"));
    sbClear1 = new TSpeedButton(Panel2, QStringLiteral("sbClear1"), QStringLiteral("Clear"));
    lblViscosity = Label(Panel2, "lblViscosity", QStringLiteral("Select temperature "));
    lblSelectModel = Label(Panel2, "lblSelectModel", QStringLiteral("Select model"));
    cbModel1 = new QComboBox(Panel2);
    cbModel1->setObjectName(QStringLiteral("cbModel1"));
    for (QWidget *unused :
        std::initializer_list<QWidget *> { lblViscosity, lblSelectModel, cbModel1 })
        unused->hide();
    auto *side = new QVBoxLayout(Panel2);
    side->addWidget(Label1);
    side->addWidget(Label2);
    side->addSpacing(16);
    auto *temperature = new QHBoxLayout;
    temperature->addWidget(lblTmodel);
    temperature->addWidget(edModel);
    temperature->addWidget(lblK);
    side->addLayout(temperature);
    for (QWidget *w : std::initializer_list<QWidget *> {
             lblViscosity, lblSelectModel, cbModel1, sbModelOK, sbClear1 })
        side->addWidget(w);
    side->addStretch(1);
    top->addWidget(Panel2);
    root->addLayout(top, 1);

    Panel1 = Panel(this, "Panel1");
    Panel1->setFixedHeight(40);
    sbHelp = new TSpeedButton(Panel1, QStringLiteral("sbHelp"), QStringLiteral("Help"));
    sbExit = new TSpeedButton(Panel1, QStringLiteral("sbExit"), QStringLiteral("Exit"));
    sbBack = new TSpeedButton(Panel1, QStringLiteral("sbBack"), QStringLiteral("Back"));
    auto *buttons = new QHBoxLayout(Panel1);
    for (QWidget *b : std::initializer_list<QWidget *> { sbHelp, sbExit, sbBack })
        buttons->addWidget(b);
    buttons->addStretch(1);
    root->addWidget(Panel1);
}

void TfmSurfConc::FormShow()
{
    dbChartSurfConc->SetBottomAxisTitle(QStringLiteral("X(B)"));
    dbChartSurfConc->SetLeftAxisTitle(QStringLiteral("X(S)"));
    dbChartSurfConc->SetTitle(fmSelect->dblSelect->Text());
}

void TfmSurfConc::sbModelOKClick()
{
    RunModel();
}

void TfmSurfConc::sbClear1Click()
{
    FRunCount = 0;
    edModel->clear();
    cbModel1->setCurrentIndex(-1);
    dbChartSurfConc->RemoveAllSeries();
}

void TfmSurfConc::sbBackClick()
{
    dbChartSurfConc->RemoveAllSeries();
    Close();
}

void TfmSurfConc::sbExitClick()
{
    fmStart->LitFormClick();
}

void TfmSurfConc::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}

void TfmSurfConc::RunModel()
{
    if (edModel->text().isEmpty())
        return;
    const Fixed t = TdmDataModule::TypedNumber(edModel->text());
    if (fmSelect->dblSelect->Text() == QLatin1String("Ag-Au"))
        CalcAgAu(t);
    ++FRunCount;
}

void TfmSurfConc::CalcAgAu(Fixed t)
{
    if (t < MinT || t > MaxT) {
        MessageDlg(QStringLiteral("Error! Temperature range <%1,%2[K]>").arg(MinT).arg(MaxT),
            mtError, mbOKOnly);
        return;
    }
    QList<QPointF> first, second;
    for (int i = 0; i <= 100; ++i) {
        const double x = i / 100.0;
        const SurfaceConcentration surface = SurfaceConcentrationAgAu(x);
        first << QPointF(x, surface.secondElement);
        second << QPointF(x, surface.firstElement);
    }
    SetSeries1(NewCurve(this, first));
    SetSeries2(NewCurve(this, second));
    TitleSeries(t);
}

void TfmSurfConc::TitleSeries(Fixed t)
{
    const QString kelvin = Numbers::FloatToStr(t) + QStringLiteral("[K]");
    PickSeriesColor();
    FinishCurve(
        dbChartSurfConc, GetSeries1(), { true, QStringLiteral("X_S1 ") + kelvin, FSeriesColor, 3 });
    FinishCurve(
        dbChartSurfConc, GetSeries2(), { true, QStringLiteral("X_S2 ") + kelvin, FSeriesColor, 1 });
}

void TfmSurfConc::PickSeriesColor()
{
    FSeriesColor = PaletteColor(SurfaceConcentrationPalette, FRunCount);
}
