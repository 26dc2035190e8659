#pragma once

#include <QString>
#include <QVector>

// The composition path of a system: a base alloy of fixed proportions to which a growing mole
// fraction X of one element is added. A binary's base is its first element alone.
struct Component
{
    QString symbol;
    long double fraction;
    long double molarMass; // g/mole
};

struct Composition
{
    QVector<Component> base; // proportions of the base alloy, summing to 1
    Component added; // fraction unused: it is X

    // The mole fractions of every element at X, the base first and the added element last.
    QVector<Component> At(long double x) const
    {
        QVector<Component> mixture;
        for (const Component &c : base)
            mixture.append({ c.symbol, c.fraction * (1 - x), c.molarMass });
        mixture.append({ added.symbol, x, added.molarMass });
        return mixture;
    }
};
