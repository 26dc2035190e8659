#include "info/uAutorTRefer.h"

#include "data/uDataModule.h"
#include "info/InfoStyle.h"
#include "platform/Application.h"

#include <QHeaderView>
#include <QVBoxLayout>

using namespace InfoStyle;

TfmAutorTRef::TfmAutorTRef(QWidget *owner)
    : TForm(owner, QStringLiteral("fmAutorTRef"), QStringLiteral("Virelt 2"))
{
    setFixedSize(462, 175);
    auto *layout = FlushColumn(this);
    QFont heading = font();
    heading.setBold(true);
    Panel1 = Label(this, "Panel1", QStringLiteral("REFERENCES"), heading);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFixedHeight(30);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    layout->addWidget(Panel1);
    DBGrid1 = new TDBGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->SetColumns({
        { QStringLiteral("NAZWISKO"), {}, 60 },
        { QStringLiteral("PUBLIKACJA"), {}, 462 },
    });
    DBGrid1->horizontalHeader()->hide();
    DBGrid1->SetDataSource(dmDataModule->dsAutorT);
    layout->addWidget(DBGrid1, 1);
    sbOK = Button(this, "sbOK", QStringLiteral("OK"));
    Panel2 = ButtonPanel(this, "Panel2", 41, clBtnFace, {}, { sbOK });
    layout->addWidget(Panel2);
    OnEvent(sbOK, &QToolButton::clicked, this, &TfmAutorTRef::sbOKClick);
}

void TfmAutorTRef::sbOKClick()
{
    Close();
}
