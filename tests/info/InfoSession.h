#pragma once

#include "support/Fixture.h"

#include <QListWidget>
#include <QSize>
#include <QString>
#include <QStringList>

// The program on a copy of the database, with a category chosen in the main window and a system
// and property in the selection window, as the auxiliary windows find them.
class InfoSession
{
public:
    InfoSession(const QString &category, const QString &system, const QString &property);

    ProgramFixture p;

    // The full path of a file below the database folder of the copy.
    QString Path(const QString &relative) const;
    // Writes a JPEG picture of the size there, creating its folder; returns the full path.
    QString WritePicture(const QString &relative, QSize size) const;
    // Writes bytes that are no picture there; returns the full path.
    QString WriteText(const QString &relative, const QByteArray &bytes) const;
};

// The texts a list box shows, in order.
QStringList Items(const QListWidget *list);
