#pragma once

#include "platform/Fixed.h"

#include <QString>
#include <QVariant>

// What the data module's workers read from the chart window. The chart window gives these
// while it is open; tab 1 is the isotherm tab or the first temperature tab (both pick from
// the first publication list), tab 2 the second temperature tab.
class ChartInputs
{
public:
    // The open chart window's inputs; workers that need them raise when there is none.
    static const ChartInputs &Open();

    // The reference tag shown in the isotherm tab's publication picker.
    virtual QString IsothermTag() const = 0;
    // The reference tag shown in a temperature tab's publication picker.
    virtual QString TabTag(int tab) const = 0;
    // The text typed as a temperature slot's (1..4) temperature.
    virtual QString TemperatureText(int slot) const = 0;
    // The composition whose measured points are asked for.
    virtual Fixed GetTempDepX() const = 0;
    // The section (ID_EUTEKTYKI) chosen for a tab.
    virtual int GetEutecticId(int tab) const = 0;
    // X of the current row of a temperature tab's composition grid; Null without one.
    virtual QVariant TabComposition(int tab) const = 0;

    // The slot's temperature: the integer value of its edit, or Null when the edit is empty.
    // A text that is not a whole number raises the conversion error.
    QVariant Temperature(int slot) const;

protected:
    ChartInputs();
    ~ChartInputs();
    ChartInputs(const ChartInputs &) = delete;
    ChartInputs &operator=(const ChartInputs &) = delete;
};
