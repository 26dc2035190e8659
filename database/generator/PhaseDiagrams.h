#pragma once

#include "Catalogue.h"

#include <QString>

// Diagram/<category>/<system>.jpg for every binary system and Diagram/References.txt with one
// block per diagram. The data set holds no phase diagrams: each picture marks the melting
// points of the two pure metals and says so. Ternary and higher systems have none, so the
// program's not-available message stays reachable.
void WritePhaseDiagrams(const QString &databaseFolder, const Catalogue &catalogue);
