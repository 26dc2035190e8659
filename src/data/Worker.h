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

// Opens in the protected block: a failure leaves the query closed, swallowed when
// `failureSuffix` is empty, otherwise shown as the error box "Blad w " + suffix.
void OpenProtected(TDataSet *dataSet, const QString &failureSuffix = {});

// Reopens the query with the parameters. A failed open leaves it closed: swallowed without a
// trace when `failureSuffix` is empty, otherwise shown as the error box "Blad w " + suffix.
void Reopen(TQuery *query, std::initializer_list<Param> params,
            const QString &failureSuffix = {});

// Opens a closed dataset, failure swallowed; an open one is left as it is.
void OpenIfClosed(TDataSet *dataSet);

// Opens the dataset; a failure leaves it closed without a word. Returns whether it opened.
bool OpenQuietly(TDataSet *dataSet);

} // namespace Worker
