#pragma once

#include <QString>
#include <QVariant>

class TfmWykres;

// What the data module's workers read from the chart window.
namespace ChartInputs {

// The open chart window; workers that need it raise when there is none.
TfmWykres &Window();

// The slot's temperature: the integer value of its edit, or Null when the edit is empty.
// A text that is not a whole number raises the conversion error.
QVariant Temperature(int slot);

} // namespace ChartInputs
