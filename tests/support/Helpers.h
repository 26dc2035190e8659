#pragma once

#include "platform/DBControls.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

#include <stdexcept>

// Finds a component by its name; a missing one fails the test with a clear message.
template <class T> T *Child(QObject *root, const QString &name)
{
    T *found = root ? root->findChild<T *>(name) : nullptr;
    if (!found)
        throw std::runtime_error(("no component named " + name).toStdString());
    return found;
}

// Does what a user's choice of the entry with this text does; false when there is none.
inline bool ChooseText(TDBLookupComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0)
        return false;
    combo->Choose(index);
    return true;
}

// A file's whole content; empty when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file with exactly these bytes; one that cannot be written fails the test.
inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}
