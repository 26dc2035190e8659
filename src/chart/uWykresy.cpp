#include "chart/uWykresy.h"

TfmWykres::TfmWykres(QWidget *owner)
    : TForm(owner, QStringLiteral("fmWykres"), QStringLiteral("Virelt 2"))
{
}
