#include "info/uDiagram.h"

#include <QVBoxLayout>

TfmDiagram::TfmDiagram(QWidget *owner)
    : TForm(owner, QStringLiteral("fmDiagram"), QStringLiteral("Virelt 2"))
{
    resize(598, 625);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setMinimumSize(1, 1);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(Image1, 1);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFixedHeight(45);
    layout->addWidget(ListBox1);
}
