#pragma once

#include "platform/Dataset.h"

#include <QString>
#include <QVariant>

#include <initializer_list>

// The pattern every worker of the data module follows: the caller gathers the parameter values
// first (a failure there reaches the caller and leaves the dataset as it was), then the dataset
// is closed, the parameters are set by name and the dataset opened in a protected block.
namespace Worker {

struct Param
{
    const char *name;
    QVariant value;
};

// The key of the current row, as an integer; without a current row it raises EConvertError.
int Key(TDataSet *dataSet, const char *field);

// Closes the query and sets the parameters by name, in order.
void Prepare(TQuery *query, std::initializer_list<Param> params);

// Opens in the protected block: a failure leaves the dataset closed and shows an error box with
// the engine's reason, after the line "Blad w " + suffix where the worker names one. Returns
// whether it opened.
bool OpenProtected(TDataSet *dataSet, const QString &failureSuffix = {});

// Reopens the query with the parameters; a failed open is shown as OpenProtected says.
void Reopen(TQuery *query, std::initializer_list<Param> params,
            const QString &failureSuffix = {});

// Opens a closed dataset in the protected block; an open one is left as it is.
void OpenIfClosed(TDataSet *dataSet);

} // namespace Worker
