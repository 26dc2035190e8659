#include "data/ChartInputs.h"

#include "platform/Exceptions.h"
#include "platform/Numbers.h"

namespace {

// The one chart window that exists at a time.
const ChartInputs *OpenInputs = nullptr;

} // namespace

ChartInputs::ChartInputs()
{
    OpenInputs = this;
}

ChartInputs::~ChartInputs()
{
    if (OpenInputs == this)
        OpenInputs = nullptr;
}

const ChartInputs &ChartInputs::Open()
{
    if (!OpenInputs)
        throw Exception(QStringLiteral("The chart window is not open."));
    return *OpenInputs;
}

QVariant ChartInputs::Temperature(int slot) const
{
    const QString text = TemperatureText(slot);
    if (text.isEmpty())
        return {};
    return Numbers::StrToInt(text);
}
