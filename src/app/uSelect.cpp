#include "app/uSelect.h"

#include "data/uDataModule.h"

#include <QVBoxLayout>

TfmSelect::TfmSelect(QWidget *owner)
    : TForm(owner, QStringLiteral("fmSelect"), QStringLiteral("Virelt 2"))
{
    auto *layout = new QVBoxLayout(this);
    dblSelect = new TDBLookupComboBox(this, QStringLiteral("dblSelect"));
    dblSelect->SetKeyField(QStringLiteral("ID_TAB_UKL"));
    dblSelect->SetListField(QStringLiteral("OZNACZENIE"));
    dblSelect->SetListSource(dmDataModule->dsTabUkl);
    layout->addWidget(dblSelect);
    dblWlasnosci = new TDBLookupComboBox(this, QStringLiteral("dblWlasnosci"));
    dblWlasnosci->SetKeyField(QStringLiteral("ID_WLASCIWOSCI"));
    dblWlasnosci->SetListField(QStringLiteral("WLASNOSC"));
    dblWlasnosci->SetListSource(dmDataModule->dsWlasnosci);
    layout->addWidget(dblWlasnosci);
    chbTemp = new QCheckBox(QStringLiteral("Temperature dependence"), this);
    chbX = new QCheckBox(QStringLiteral("Isotherms"), this);
    chbX->setChecked(true);
    chbButler = new QCheckBox(QStringLiteral("Model"), this);
    chbIsosurface = new QCheckBox(QStringLiteral("Isosurface tension"), this);
    for (QCheckBox *box : { chbTemp, chbX, chbButler, chbIsosurface })
        layout->addWidget(box);
}
