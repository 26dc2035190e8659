#pragma once

#include "info/MeniskResult.h"

// The meniscographic measurements of the system, under the grid of its authors.
class TfmMeniskFig : public TMeniskResult
{
    Q_OBJECT
public:
    explicit TfmMeniskFig(QWidget *owner = nullptr);

    TDBGrid *dbMenisk;
};
inline QPointer<TfmMeniskFig> fmMeniskFig;
