#pragma once

#include "info/MeniskResult.h"

#include <QLabel>

// One meniscographic figure, under the grid of the system's authors.
class TfmMeniskFig1 : public TMeniskResult
{
    Q_OBJECT
public:
    explicit TfmMeniskFig1(QWidget *owner = nullptr);

    QLabel *Image1;
};
inline QPointer<TfmMeniskFig1> fmMeniskFig1;
