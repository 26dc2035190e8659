#include "info/uFig.h"

#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "info/InfoStyle.h"
#include "platform/Application.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace InfoStyle;

TfmFig::TfmFig(QWidget *owner)
    : TForm(owner, QStringLiteral("fmFig"), QStringLiteral("Virelt 2"))
{
    setFixedSize(360, 120);
    SetBackground(this, clMoneyGreen);
    auto *layout = new QVBoxLayout(this);
    QFont bold = font();
    bold.setBold(true);
    lblFig = Label(this, "lblFig", {}, bold);
    lblFig->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblFig);
    auto *row = new QHBoxLayout;
    dblFig = new TDBLookupComboBox(this, QStringLiteral("dblFig"));
    dblFig->SetListSource(dmDataModule->dsFig);
    sbOK = Button(this, "sbOK", QStringLiteral("OK"));
    row->addWidget(dblFig, 1);
    row->addWidget(sbOK);
    layout->addLayout(row);
    FormCreate();
    OnEvent(sbOK, &QToolButton::clicked, this, &TfmFig::sbOKClick);
}

void TfmFig::FormCreate()
{
    dblFig->SetKeyField(QStringLiteral("ID_FIG"));
    dblFig->SetListField(QStringLiteral("UKLAD"));
}

void TfmFig::FormShow()
{
    lblFig->setText(fmSelect->dblSelect->Text());
}

void TfmFig::sbOKClick()
{
    Close();
}
