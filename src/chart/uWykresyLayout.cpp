// The chart window's components and where they sit.
#include "chart/uWykresy.h"

#include "data/uDataModule.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QWidget *Panel(QWidget *parent, const char *name)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    SetBackground(panel, clMoneyGreen);
    return panel;
}

QLabel *Caption(QWidget *parent, const char *name, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setWordWrap(true);
    return label;
}

TDBGrid *Grid(QWidget *parent, const char *name, std::vector<TColumn> columns, TDataSource *source)
{
    auto *grid = new TDBGrid(parent, QLatin1String(name));
    grid->SetColumns(std::move(columns));
    grid->SetDataSource(source);
    return grid;
}

TDBLookupComboBox *Picker(QWidget *parent, const char *name, TDataSource *source)
{
    auto *combo = new TDBLookupComboBox(parent, QLatin1String(name));
    combo->SetListSource(source);
    return combo;
}

QCheckBox *CheckBox(QWidget *parent, const char *name, const QString &caption, bool enabled)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setEnabled(enabled);
    return box;
}

TColumn Col(const char *field, const QString &title, int width = 64,
    Qt::Alignment alignment = Qt::AlignCenter)
{
    return { QLatin1String(field), title, width, alignment };
}

// A temperature tab: publication picker, equations grid, and the Show/Clear/Graph row.
void BuildTemperatureTab(QWidget *tab, TDBLookupComboBox *picker, TDBGrid *grid,
    std::initializer_list<QWidget *> buttons, QCheckBox *selectAll)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(picker);
    layout->addWidget(grid, 1);
    auto *row = new QHBoxLayout;
    for (QWidget *b : buttons)
        row->addWidget(b);
    layout->addLayout(row);
    layout->addWidget(selectAll);
}

// A page that is one grid, edge to edge.
void GridPage(QWidget *tab, TDBGrid *grid)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(grid);
}

// A caption above one or two grids.
void BuildResultTab(QWidget *tab, QLabel *caption, std::initializer_list<TDBGrid *> grids)
{
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(caption);
    auto *row = new QHBoxLayout;
    for (TDBGrid *g : grids)
        row->addWidget(g);
    layout->addLayout(row, 1);
}

} // namespace

void TfmWykres::BuildLayout()
{
    TdmDataModule *dm = dmDataModule;
    // A chart to read takes most of the screen; the grids at its side grow with it.
    SetScreenShare(0.94);
    SetBackground(this, clMoneyGreen);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(2);

    // Chart and the right column.
    auto *top = new QHBoxLayout;
    DBChart1 = new TDBChart(this, QStringLiteral("DBChart1"));
    DBChart1->SetColor(clMoneyGreen);
    DBChart1->SetLegendColor(clHighlightText);
    DBChart1->setMinimumSize(420, 380);
    MemoRownania = new QPlainTextEdit(DBChart1);
    MemoRownania->setObjectName(QStringLiteral("MemoRownania"));
    MemoRownania->hide();
    MemoViscoModel = new QPlainTextEdit(DBChart1);
    MemoViscoModel->setObjectName(QStringLiteral("MemoViscoModel"));
    MemoViscoModel->hide();
    top->addWidget(DBChart1, 2);

    Panel3 = Panel(this, "Panel3");
    // A third of the width goes to the grids, whatever their texts would ask for.
    Panel3->setMinimumWidth(260);
    Panel3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto *panel3Layout = new QVBoxLayout(Panel3);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    Panel5 = Panel(Panel3, "Panel5");
    panel3Layout->addWidget(Panel5);
    auto *panel5Layout = new QVBoxLayout(Panel5);
    panel5Layout->setContentsMargins(0, 0, 0, 0);
    Panel4 = Panel(Panel5, "Panel4");
    Panel4->setMinimumHeight(192);
    Panel6 = Panel(Panel5, "Panel6");
    panel5Layout->addWidget(Panel4, 0);
    panel5Layout->addWidget(Panel6, 1);
    top->addWidget(Panel3, 1);
    root->addLayout(top, 1);

    // Upper page control: isotherm input and the first temperature tab.
    PageControl1 = new TPageControl(Panel4, QStringLiteral("PageControl1"));
    (new QVBoxLayout(Panel4))->addWidget(PageControl1);
    Panel4->layout()->setContentsMargins(0, 0, 0, 0);
    tsX = PageControl1->AddPage(QStringLiteral("tsX"), QStringLiteral(" SELECT AUTHOR"));
    dblAutor = Picker(tsX, "dblAutor", dm->dsAutor);
    auto *tsXLayout = new QGridLayout(tsX);
    tsXLayout->setContentsMargins(4, 4, 4, 4);
    tsXLayout->addWidget(dblAutor, 0, 0, 1, 4);
    std::array<QLineEdit *, 4> edits {};
    for (int slot = 1; slot <= 4; ++slot) {
        auto *edit = new QLineEdit(tsX);
        edit->setObjectName(QStringLiteral("edT%1").arg(slot));
        edit->setMaxLength(4);
        edit->setEnabled(slot == 1);
        edit->setFixedWidth(44);
        edits[slot - 1] = edit;
        const int row = 1 + (slot - 1) / 2, column = ((slot - 1) % 2) * 2;
        auto *label = new QLabel(QStringLiteral("T%1 =").arg(slot), tsX);
        auto *cell = new QHBoxLayout;
        cell->setSpacing(3);
        cell->addWidget(label);
        cell->addWidget(edit);
        cell->addWidget(new QLabel(QStringLiteral("[ K ]"), tsX));
        tsXLayout->addLayout(cell, row, column, 1, 2);
    }
    edT1 = edits[0];
    edT2 = edits[1];
    edT3 = edits[2];
    edT4 = edits[3];
    chbShow = CheckBox(tsX, "chbShow", QStringLiteral("  Show calculated value"), true);
    tsXLayout->addWidget(chbShow, 3, 0, 1, 4);
    sbShow = new TSpeedButton(tsX, QStringLiteral("sbShow"), QStringLiteral("Show"), false);
    sbClear = new TSpeedButton(tsX, QStringLiteral("sbClear"), QStringLiteral("Clear"));
    tsXLayout->addWidget(sbShow, 4, 0, 1, 2);
    tsXLayout->addWidget(sbClear, 4, 2, 1, 2);

    tsTemp1 = PageControl1->AddPage(QStringLiteral("tsTemp1"), QStringLiteral(" SELECT AUTHOR"));
    dblAutor2 = Picker(tsTemp1, "dblAutor2", dm->dsAutor);
    dbgTemp1 = Grid(tsTemp1, "dbgTemp1", { Col("X", QStringLiteral("X"), 120) }, dm->dsRownania);
    dbgTemp1->SetMultiSelect(true);
    sbShowT1 = new TSpeedButton(tsTemp1, QStringLiteral("sbShowT1"), QStringLiteral("Show"));
    sbClearT1 = new TSpeedButton(tsTemp1, QStringLiteral("sbClearT1"), QStringLiteral("Clear"));
    sbGraphT1
        = new TSpeedButton(tsTemp1, QStringLiteral("sbGraphT1"), QStringLiteral("Graph"), false);
    chbSelectT1 = CheckBox(tsTemp1, "chbSelectT1", QStringLiteral("SELECT ALL "), false);
    BuildTemperatureTab(
        tsTemp1, dblAutor2, dbgTemp1, { sbShowT1, sbClearT1, sbGraphT1 }, chbSelectT1);
    // The isotherm inputs keep their height; a temperature tab's list of compositions shares
    // the column with the page control below.
    const auto fitPanel4 = [this, panel5Layout] {
        const bool inputs = PageControl1->currentWidget() == tsX;
        Panel4->setMaximumHeight(inputs ? 192 : QWIDGETSIZE_MAX);
        panel5Layout->setStretchFactor(Panel4, inputs ? 0 : 1);
    };
    connect(PageControl1, &QTabWidget::currentChanged, this, fitPanel4);
    fitPanel4();

    // Lower page control: equations, calculated values, second temperature tab, sections.
    PageControl2 = new TPageControl(Panel6, QStringLiteral("PageControl2"));
    (new QVBoxLayout(Panel6))->addWidget(PageControl2);
    Panel6->layout()->setContentsMargins(0, 0, 0, 0);
    tsRownania = PageControl2->AddPage(QStringLiteral("tsRownania"), QString());
    dbgRownania = Grid(tsRownania, "dbgRownania",
        { Col("X", QStringLiteral("X"), 55), Col("A", QStringLiteral("A"), 70),
            Col("B", QStringLiteral("B"), 80) },
        dm->dsRownania);
    GridPage(tsRownania, dbgRownania);

    const std::array<TDataSource *, 4> punkty { dm->dsPunkty1, dm->dsPunkty2, dm->dsPunkty3,
        dm->dsPunkty4 };
    std::array<TDBGrid *, 4> valueGrids {};
    tsWynikiT1T2 = PageControl2->AddPage(QStringLiteral("tsWynikiT1T2"), QString());
    tsWynikiT3T4 = PageControl2->AddPage(QStringLiteral("tsWynikiT3T4"), QString());
    for (int slot = 1; slot <= 4; ++slot) {
        QWidget *tab = slot <= 2 ? tsWynikiT1T2 : tsWynikiT3T4;
        valueGrids[slot - 1] = Grid(tab, qPrintable(QStringLiteral("dbgT%1").arg(slot)),
            { Col("X", QStringLiteral("X"), 45),
                Col(qPrintable(QStringLiteral("DensityT%1").arg(slot)), QStringLiteral("A "), 55) },
            punkty[slot - 1]);
    }
    dbgT1 = valueGrids[0];
    dbgT2 = valueGrids[1];
    dbgT3 = valueGrids[2];
    dbgT4 = valueGrids[3];
    panT1T2 = Caption(tsWynikiT1T2, "panT1T2");
    panT3T4 = Caption(tsWynikiT3T4, "panT3T4");
    BuildResultTab(tsWynikiT1T2, panT1T2, { dbgT1, dbgT2 });
    BuildResultTab(tsWynikiT3T4, panT3T4, { dbgT3, dbgT4 });

    tsTemp2 = PageControl2->AddPage(QStringLiteral("tsTemp2"), QStringLiteral(" SELECT AUTHOR"));
    dblAutor3 = Picker(tsTemp2, "dblAutor3", dm->dsAutor1);
    dbgTemp2 = Grid(tsTemp2, "dbgTemp2", { Col("X", QStringLiteral("X"), 120) }, dm->dsRownania2);
    dbgTemp2->SetMultiSelect(true);
    sbShowT2 = new TSpeedButton(tsTemp2, QStringLiteral("sbShowT2"), QStringLiteral("Show"));
    sbClearT2 = new TSpeedButton(tsTemp2, QStringLiteral("sbClearT2"), QStringLiteral("Clear"));
    sbGraphT2
        = new TSpeedButton(tsTemp2, QStringLiteral("sbGraphT2"), QStringLiteral("Graph"), false);
    chbSelectT2 = CheckBox(tsTemp2, "chbSelectT2", QStringLiteral("SELECT ALL"), false);
    BuildTemperatureTab(
        tsTemp2, dblAutor3, dbgTemp2, { sbShowT2, sbClearT2, sbGraphT2 }, chbSelectT2);

    tsRownania45 = PageControl2->AddPage(QStringLiteral("tsRownania45"), QString());
    dbgDane45 = Grid(tsRownania45, "dbgDane45",
        { Col("X", QStringLiteral("X"), 45), Col("A", QStringLiteral("A"), 55),
            Col("B", QStringLiteral("B"), 60), Col("UKLAD", QStringLiteral("SYSTEM"), 90) },
        dm->dsDane45);
    GridPage(tsRownania45, dbgDane45);
    PageControl2->SetPageVisible(tsRownania45, false);

    const std::array<TDataSource *, 4> wyniki { dm->dsWyniki45, dm->dsWyniki452, dm->dsWyniki453,
        dm->dsWyniki454 };
    const std::array<const char *, 4> captionNames { "panT1", "panT2", "Panel8", "Panel9" };
    std::array<QWidget *, 4> wynikiTabs {};
    std::array<QLabel *, 4> wynikiCaptions {};
    std::array<TDBGrid *, 4> wynikiGrids {};
    for (int slot = 1; slot <= 4; ++slot) {
        QWidget *tab = PageControl2->AddPage(
            QStringLiteral("tsWynikiT%1").arg(slot), QStringLiteral("T%1").arg(slot));
        wynikiTabs[slot - 1] = tab;
        wynikiCaptions[slot - 1] = Caption(tab, captionNames[slot - 1]);
        wynikiGrids[slot - 1] = Grid(tab, qPrintable(QStringLiteral("dbgWynikiT%1").arg(slot)),
            { Col("X", QStringLiteral("X"), 45),
                Col(qPrintable(QStringLiteral("DensityT%1").arg(slot)),
                    QStringLiteral("T%1").arg(slot), 55),
                Col("SYSTEM", QStringLiteral("SYSTEM"), 90) },
            wyniki[slot - 1]);
        BuildResultTab(tab, wynikiCaptions[slot - 1], { wynikiGrids[slot - 1] });
        PageControl2->SetPageVisible(tab, false);
    }
    tsWynikiT1 = wynikiTabs[0];
    tsWynikiT2 = wynikiTabs[1];
    tsWynikiT3 = wynikiTabs[2];
    tsWynikiT4 = wynikiTabs[3];
    panT1 = wynikiCaptions[0];
    panT2 = wynikiCaptions[1];
    Panel8 = wynikiCaptions[2];
    Panel9 = wynikiCaptions[3];
    dbgWynikiT1 = wynikiGrids[0];
    dbgWynikiT2 = wynikiGrids[1];
    dbgWynikiT3 = wynikiGrids[2];
    dbgWynikiT4 = wynikiGrids[3];

    // The reference list.
    Panel1 = Panel(this, "Panel1");
    Panel1->setFixedHeight(84); // the titles and three references
    dbgPublikacje = Grid(Panel1, "dbgPublikacje",
        { Col("OZNACZENIE", QStringLiteral("REFERENCES"), 90),
            // Long texts read from the left.
            Col("NAZWISKA", QStringLiteral("AUTHORS"), 150, Qt::AlignLeft),
            Col("TYTUL", QStringLiteral("TITLE"), 200, Qt::AlignLeft),
            Col("CZASOPISMO", QStringLiteral("JOURNAL"), 110, Qt::AlignLeft),
            Col("WOLUMIN", QStringLiteral("VOL"), 40), Col("ROK", QStringLiteral("YEAR"), 40),
            Col("STRONY", QStringLiteral("PAGES"), 60) },
        dm->dsPublikacje);
    (new QVBoxLayout(Panel1))->addWidget(dbgPublikacje);
    Panel1->layout()->setContentsMargins(2, 2, 2, 2);
    root->addWidget(Panel1);

    // The bottom strip: buttons and the viscosity-model row.
    Panel2 = Panel(this, "Panel2");
    Panel2->setFixedHeight(100);
    auto *panel2Layout = new QVBoxLayout(Panel2);
    panel2Layout->setContentsMargins(6, 4, 6, 4);
    panel2Layout->setSpacing(2);
    auto *buttons = new QHBoxLayout;
    sbHelp = new TSpeedButton(Panel2, QStringLiteral("sbHelp"), QStringLiteral("Help"));
    sbPrint = new TSpeedButton(Panel2, QStringLiteral("sbPrint"), QStringLiteral("Print"));
    sbButler
        = new TSpeedButton(Panel2, QStringLiteral("sbButler"), QStringLiteral("Butler"), false);
    sbGraph = new TSpeedButton(Panel2, QStringLiteral("sbGraph"), QStringLiteral("Approx"), false);
    sbPbSn = new TSpeedButton(Panel2, QStringLiteral("sbPbSn"), QStringLiteral("PbSn"));
    sbPbSn->setToolTip(QStringLiteral("(PbSn)eut"));
    sbExit = new TSpeedButton(Panel2, QStringLiteral("sbExit"), QStringLiteral("Exit"));
    sbBack = new TSpeedButton(Panel2, QStringLiteral("sbBack"), QStringLiteral("Back"));
    sbNext = new TSpeedButton(Panel2, QStringLiteral("sbNext"), QStringLiteral("End"));
    for (QWidget *b : std::initializer_list<QWidget *> {
             sbHelp, sbPrint, sbButler, sbGraph, sbPbSn, sbExit, sbBack, sbNext })
        buttons->addWidget(b);
    buttons->addStretch(1);
    panel2Layout->addLayout(buttons);
    auto *model = new QHBoxLayout;
    lblViscosity = new QLabel(QStringLiteral("Select temperature and model of viscosity"), Panel2);
    lblViscosity->setObjectName(QStringLiteral("lblViscosity"));
    lblViscosity->hide();
    lblTmodel = new QLabel(QStringLiteral("T model ="), Panel2);
    lblTmodel->setObjectName(QStringLiteral("lblTmodel"));
    edModel = new QLineEdit(Panel2);
    edModel->setObjectName(QStringLiteral("edModel"));
    edModel->setFixedWidth(56);
    lblK = new QLabel(QStringLiteral("[ K ]"), Panel2);
    lblK->setObjectName(QStringLiteral("lblK"));
    lblSelectModel = new QLabel(QStringLiteral("Select model:"), Panel2);
    lblSelectModel->setObjectName(QStringLiteral("lblSelectModel"));
    cbModel1 = new QComboBox(Panel2);
    cbModel1->setObjectName(QStringLiteral("cbModel1"));
    cbModel1->setEditable(true); // a model may also be typed
    cbModel1->setMinimumContentsLength(16);
    cbModel1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sbModelOK = new TSpeedButton(Panel2, QStringLiteral("sbModelOK"), QStringLiteral("OK"));
    sbClear1 = new TSpeedButton(Panel2, QStringLiteral("sbClear1"), QStringLiteral("Clear"));
    // The explanation stands above the inputs, so the row fits the window's width.
    panel2Layout->addWidget(lblViscosity);
    for (QWidget *w : std::initializer_list<QWidget *> {
             lblTmodel, edModel, lblK, lblSelectModel, cbModel1, sbModelOK, sbClear1 }) {
        if (w == lblSelectModel)
            model->addSpacing(16);
        model->addWidget(w);
    }
    model->addStretch(1);
    panel2Layout->addLayout(model);
    root->addWidget(Panel2);

    Timer1Wykres = new TTimer(this, QStringLiteral("Timer1Wykres"), 10, true);

    MainMenu1 = BuildMainMenu(this);
    QMenu *save = new QMenu(QStringLiteral("&Save data"), MainMenu1.bar);
    save->setObjectName(QStringLiteral("Savetofile1"));
    auto item = [save](const char *name, const QString &caption) {
        QAction *a = save->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    Equations1 = item("Equations1", QStringLiteral("Equations"));
    Calculatedvalue1 = item("Calculatedvalue1", QStringLiteral("Calculated value"));
    Modelofviscosity1 = item("Modelofviscosity1", QStringLiteral("Viscosity model"));
    SaveGraph = item("SaveGraph", QStringLiteral("Save graph"));
    // Show and the viscosity models enable the data items once there is something to save.
    for (QAction *a : { Equations1, Calculatedvalue1, Modelofviscosity1 })
        a->setEnabled(false);
    MainMenu1.file->insertMenu(MainMenu1.AcessDatabase1, save);
    Adddata1 = new QAction(QStringLiteral("&Add data"), MainMenu1.bar);
    Adddata1->setObjectName(QStringLiteral("Adddata1"));
    Adddata1->setEnabled(false);
    MainMenu1.bar->insertAction(MainMenu1.Help1, Adddata1);
}
