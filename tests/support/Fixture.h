#pragma once

#include "support/Doubles.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// A temporary executable folder holding a copy of the built database folder and an empty
// "Save" folder; the program's paths point at it while the fixture lives.
class ExeFolderFixture
{
public:
    ExeFolderFixture();
    ~ExeFolderFixture();
    QString Path() const { return m_dir.path(); }
    QString DatabasePath() const { return m_dir.path() + QStringLiteral("/Database"); }

private:
    QTemporaryDir m_dir;
};

// Installs the dialog, shell and modal doubles for its lifetime.
class ServiceDoubles
{
public:
    ServiceDoubles();
    ~ServiceDoubles();
    RecordingDialogs *dialogs;
    RecordingShell *shell;
    ScriptedModalRunner modal;

private:
    std::unique_ptr<IDialogService> m_oldDialogs;
    std::unique_ptr<IShellService> m_oldShell;
};

// The program started on a copy of the database: data module and windows created in order,
// with the service doubles installed. Everything is destroyed with the fixture.
class ProgramFixture
{
public:
    // `beforeStart` may change the copied database folder before the program starts.
    explicit ProgramFixture(
        const std::function<void(const QString &databasePath)> &beforeStart = {});
    ~ProgramFixture();
    ExeFolderFixture folder;
    ServiceDoubles services;
    RecordingDialogs &dialogs() { return *services.dialogs; }
    RecordingShell &shell() { return *services.shell; }
    ScriptedModalRunner &modal() { return services.modal; }
};

// Copies a folder tree.
bool CopyTree(const QString &from, const QString &to);
