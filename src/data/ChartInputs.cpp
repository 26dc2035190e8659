#include "data/ChartInputs.h"

#include "chart/uWykresy.h"
#include "platform/Numbers.h"

namespace ChartInputs {

TfmWykres &Window()
{
    if (!fmWykres)
        throw Exception(QStringLiteral("The chart window is not open."));
    return *fmWykres;
}

QVariant Temperature(int slot)
{
    const QString text = Window().edT(slot)->text();
    if (text.isEmpty())
        return {};
    return Numbers::StrToInt(text);
}

} // namespace ChartInputs
