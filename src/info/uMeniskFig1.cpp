#include "info/uMeniskFig1.h"

#include "info/InfoStyle.h"

TfmMeniskFig1::TfmMeniskFig1(QWidget *owner)
    : TMeniskResult(owner, QStringLiteral("fmMeniskFig1"))
{
    resize(680, 480 + 92 + 44);
    Image1 = InfoStyle::Picture(this, "Image1");
    AddContent(Image1);
}
