#pragma once

#include <QString>

// The two outside documents of the database folder: the help document "VIRELT 2 PL.pdf", a
// user guide typeset from content/help/guide.md, and the local NIST page
// NIST/Release5/props01.html from content/nist/props01.html.
void WriteDocuments(const QString &sourceFolder, const QString &databaseFolder);
