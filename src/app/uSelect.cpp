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
}
