#include "chart/uEut.h"

#include "app/Messages.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/Worker.h"
#include "data/uDataModule.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TfmEut::TfmEut(QWidget *owner)
    : TForm(owner, QStringLiteral("fmEut"), QStringLiteral("Virelt 2"))
{
    resize(343, 120);
    SetBackground(this, clMoneyGreen);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    lblEut = new QLabel(this);
    lblEut->setObjectName(QStringLiteral("lblEut"));
    lblEut->setAlignment(Qt::AlignCenter);
    QFont f = lblEut->font();
    f.setBold(true);
    lblEut->setFont(f);
    layout->addWidget(lblEut);
    auto *row = new QHBoxLayout;
    dblEut = new TDBLookupComboBox(this, QStringLiteral("dblEut"));
    dblEut->SetListSource(dmDataModule->dsEut);
    // Wide enough to read every section; the window grows with it when shown.
    dblEut->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    sbOK = new TSpeedButton(this, QStringLiteral("sbOK"), QStringLiteral("OK"));
    row->addWidget(dblEut, 1);
    row->addWidget(sbOK);
    layout->addLayout(row);
    FormCreate();
    OnEvent(sbOK, &QToolButton::clicked, this, &TfmEut::sbOKClick);
}

void TfmEut::FormCreate()
{
    dblEut->SetKeyField(QStringLiteral("ID_EUT"));
    dblEut->SetListField(QStringLiteral("OZNACZENIE"));
}

void TfmEut::FormShow()
{
    lblEut->setText(fmSelect->dblSelect->Text());
}

void TfmEut::sbOKClick()
{
    // Without a choice the current row is the first section the opener found.
    SetModalResult(mrOk);
}

bool ChooseEutectic(TfmWykres *window, int tab)
{
    TdmDataModule *dm = dmDataModule;
    bool chosen = false;
    RunTaskWindow(fmEut, window, [&] {
        dm->OpenEut();
        if (dm->qrEut->IsEmpty()) {
            ShowMessage(NotAvailable);
            return;
        }
        // Closed without OK, the tab's section stays what it was; the section rows then follow
        // that section too, not the first one listed. Without an earlier section of this system
        // the first one is taken.
        if (fmEut->ShowModal() == mrOk
            || !dm->qrEut->Locate(QStringLiteral("ID_EUTEKTYKI"), window->GetEutecticId(tab)))
            window->SetEutecticId(tab, Worker::Key(dm->qrEut, "ID_EUTEKTYKI"));
        if (tab == 1)
            dm->OpenDane45();
        else
            dm->OpenDane452();
        chosen = true;
    });
    return chosen;
}
