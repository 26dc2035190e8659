#pragma once

#include <QString>

// The program's message for missing data, formula or figure.
inline const QString NotAvailable =
    QStringLiteral("This data isn’t available in this version VIRELT database.");
