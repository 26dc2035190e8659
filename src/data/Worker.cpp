#include "data/Worker.h"

#include "platform/Dialogs.h"

namespace Worker {

int Key(TDataSet *dataSet, const char *field)
{
    TField *f = dataSet->FindField(QLatin1String(field));
    return VarAsInteger(f ? f->Value() : QVariant());
}

bool OpenQuietly(TDataSet *dataSet)
{
    try {
        dataSet->Open();
        return true;
    } catch (const Exception &) {
        return false;
    }
}

void Prepare(TQuery *query, std::initializer_list<Param> params)
{
    query->Close();
    for (const Param &p : params)
        query->ParamByName(QLatin1String(p.name)).SetValue(p.value);
}

void OpenProtected(TDataSet *dataSet, const QString &failureSuffix)
{
    if (!OpenQuietly(dataSet) && !failureSuffix.isEmpty())
        MessageDlg(QStringLiteral("Blad w ") + failureSuffix, mtError, mbOKOnly);
}

void Reopen(TQuery *query, std::initializer_list<Param> params, const QString &failureSuffix)
{
    Prepare(query, params);
    OpenProtected(query, failureSuffix);
}

void OpenIfClosed(TDataSet *dataSet)
{
    if (!dataSet->Active())
        OpenQuietly(dataSet);
}

} // namespace Worker
