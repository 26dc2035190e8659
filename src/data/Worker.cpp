#include "data/Worker.h"

#include "platform/Dialogs.h"

namespace Worker {

int Key(TDataSet *dataSet, const char *field)
{
    TField *f = dataSet->FindField(QLatin1String(field));
    return VarAsInteger(f ? f->Value() : QVariant());
}

bool OpenProtected(TDataSet *dataSet, const QString &failureSuffix)
{
    try {
        dataSet->Open();
        return true;
    } catch (const Exception &e) {
        const QString head = failureSuffix.isEmpty()
            ? QString()
            : QStringLiteral("Blad w ") + failureSuffix + u'\n';
        MessageDlg(head + e.Message(), mtError, mbOKOnly);
        return false;
    }
}

void Prepare(TQuery *query, std::initializer_list<Param> params)
{
    query->Close();
    for (const Param &p : params)
        query->ParamByName(QLatin1String(p.name)).SetValue(p.value);
}

void Reopen(TQuery *query, std::initializer_list<Param> params, const QString &failureSuffix)
{
    Prepare(query, params);
    OpenProtected(query, failureSuffix);
}

void OpenIfClosed(TDataSet *dataSet)
{
    if (!dataSet->Active())
        OpenProtected(dataSet);
}

} // namespace Worker
