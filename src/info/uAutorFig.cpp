#include "info/uAutorFig.h"

#include "app/Main.h"
#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "info/FigureNames.h"
#include "info/InfoStyle.h"
#include "info/uFig.h"
#include "info/uFigers.h"
#include "info/uSkany.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QString Property()
{
    return fmSelect->dblWlasnosci->Text();
}

bool HasSubProperties()
{
    return !FigureNames::SubProperties(Property()).isEmpty();
}

// The viewer's References reopen the publication list, whose current row then is the first
// one. The chart window's workers read that row as the publication its picker shows, so the
// row is put back once the figure windows are closed.
class KeepShownPublication
{
public:
    KeepShownPublication()
    {
        if (const TField *id = Field())
            m_id = id->Value();
    }
    ~KeepShownPublication()
    {
        if (!m_id.isNull() && Field())
            dmDataModule->qrAutor->Locate(QStringLiteral("ID_PUBLIKACJI"), m_id);
    }
    KeepShownPublication(const KeepShownPublication &) = delete;
    KeepShownPublication &operator=(const KeepShownPublication &) = delete;

private:
    static TField *Field()
    {
        return dmDataModule->qrAutor->FindField(QStringLiteral("ID_PUBLIKACJI"));
    }
    QVariant m_id;
};

} // namespace

TfmAutorFig::TfmAutorFig(QWidget *owner)
    : TForm(owner, QStringLiteral("fmAutorFig"), QStringLiteral("Virelt 2"))
{
    setFixedSize(380, 212);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("Panel1"));
    auto *grid = new QVBoxLayout(box);
    grid->setContentsMargins(16, 10, 16, 12);
    QFont bold = font();
    bold.setBold(true);
    Label1 = InfoStyle::Label(box, "Label1", QStringLiteral("Select Author"), bold);
    dblAuthor = new TDBLookupComboBox(box, QStringLiteral("dblAuthor"));
    dblAuthor->SetListSource(dmDataModule->dsAutor);
    Label2 = InfoStyle::Label(box, "Label2", QStringLiteral("Select Properties"), bold);
    cbWlasciwosc = new QComboBox(box);
    cbWlasciwosc->setObjectName(QStringLiteral("cbWlasciwosc"));
    grid->addWidget(Label1);
    grid->addWidget(dblAuthor);
    grid->addSpacing(6);
    grid->addWidget(Label2);
    grid->addWidget(cbWlasciwosc);
    layout->addWidget(box, 1);
    auto *buttons = new QHBoxLayout;
    sbAllData = InfoStyle::Button(this, "sbAllData", QStringLiteral("All data"));
    sbOK = InfoStyle::Button(this, "sbOK", QStringLiteral("OK"), false);
    buttons->addWidget(sbAllData);
    buttons->addStretch(1);
    buttons->addWidget(sbOK);
    layout->addLayout(buttons);
    FormCreate();

    OnEvent(dblAuthor, &TDBLookupComboBox::clicked, this, &TfmAutorFig::dblAuthorClick);
    OnEvent(cbWlasciwosc, &QComboBox::activated, this, &TfmAutorFig::cbWlasciwoscChange);
    OnEvent(sbOK, &QToolButton::clicked, this, &TfmAutorFig::sbOKClick);
    OnEvent(sbAllData, &QToolButton::clicked, this, &TfmAutorFig::sbAllDataClick);
}

void TfmAutorFig::FormCreate()
{
    dblAuthor->SetKeyField(QStringLiteral("ID_PUBLIKACJI"));
    dblAuthor->SetListField(QStringLiteral("OZNACZENIE"));
}

void TfmAutorFig::FormShow()
{
    if (!dblAuthor->Text().isEmpty())
        sbOK->setEnabled(true);
    if (!HasSubProperties()) {
        cbWlasciwosc->setEnabled(false);
        return;
    }
    cbWlasciwosc->setEnabled(true);
    sbOK->setEnabled(false);
    cbWlasciwosc->clear();
    cbWlasciwosc->addItems(FigureNames::SubProperties(Property()));
    // Nothing is chosen until the user chooses.
    cbWlasciwosc->setCurrentIndex(-1);
}

void TfmAutorFig::EnableOK()
{
    sbOK->setEnabled(!dblAuthor->Text().isEmpty()
        && (!HasSubProperties() || !cbWlasciwosc->currentText().isEmpty()));
}

void TfmAutorFig::dblAuthorClick()
{
    EnableOK();
}

void TfmAutorFig::cbWlasciwoscChange()
{
    EnableOK();
}

QString TfmAutorFig::AuthorText() const
{
    return fmWykres ? fmWykres->dblAutor->Text() : dblAuthor->Text();
}

void TfmAutorFig::sbOKClick()
{
    // Every showing starts again from FormShow's rules, also after a picture failed to load.
    const auto reset = [this] {
        cbWlasciwosc->clear();
        sbOK->setEnabled(false);
        Close();
    };
    try {
        FindFigure();
    } catch (...) {
        reset();
        throw;
    }
    reset();
}

void TfmAutorFig::FindFigure()
{
    using namespace FigureNames;
    Selection s;
    s.category = fmStart->dblSelectSystem->Text();
    s.system = fmSelect->dblSelect->Text();
    s.property = Property();
    s.subProperty = cbWlasciwosc->currentText();
    s.author = AuthorText();
    s.isotherms = fmSelect->chbX->isChecked();
    s.temperature = fmSelect->chbTemp->isChecked();
    s.isosurface = fmSelect->chbIsosurface->isChecked();
    s.model = fmSelect->chbButler->isChecked();

    // The viscosity model's figure is named by the system alone: no section to pick.
    QString section;
    if (IsSectionCategory(s.category) && !IsViscosityModel(s)) {
        dmDataModule->OpenFig();
        fmFig->ShowModal();
        section = fmFig->GetFigName();
    }
    const KeepShownPublication keep;
    const Candidates names = CandidateNames(s, section);
    const QString folder = FigureFolder(Paths::DatabaseFolder(), s.category, s.system);
    for (const QString &name : { names.first, names.second }) {
        const QString path = name.isEmpty() ? QString() : FindFile(folder + name);
        if (!path.isEmpty()) {
            fmSkany->LoadPicture(path);
            fmSkany->ShowModal();
            return;
        }
    }
    RunTaskWindow(fmFigers, this, [] {
        fmFigers->PrepareFigList();
        if (fmFigers->ListBox1->count() == 0)
            ShowMessage(NotAvailable);
        else
            fmFigers->ShowModal();
    });
}

void TfmAutorFig::sbAllDataClick()
{
    fmStart->OpenFigFolder();
}
