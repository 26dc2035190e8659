#include "support/Fixture.h"

#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/Paths.h"
#include "platform/Printer.h"
#include "platform/SqlConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <stdexcept>

bool CopyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    for (const QFileInfo &entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + u'/' + entry.fileName();
        const bool ok = entry.isDir() ? CopyTree(entry.filePath(), target)
                                      : QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}

ExeFolderFixture::ExeFolderFixture()
{
    if (!m_dir.isValid()
        || !CopyTree(QStringLiteral(VIRELT_TEST_DATABASE_DIR), DatabasePath())
        || !QDir().mkpath(m_dir.path() + QStringLiteral("/Save")))
        throw std::runtime_error("cannot prepare the temporary executable folder");
    Paths::OverrideExeFolder(m_dir.path());
}

ExeFolderFixture::~ExeFolderFixture()
{
    SqlConnection::CloseAll();
    Paths::OverrideExeFolder(QString());
}

ServiceDoubles::ServiceDoubles()
    : dialogs(new RecordingDialogs)
    , shell(new RecordingShell)
{
    m_oldDialogs = SetDialogs(std::unique_ptr<IDialogService>(dialogs));
    m_oldShell = SetShell(std::unique_ptr<IShellService>(shell));
    ModalRunner::Set([this](TForm &form) { return modal.Run(form); });
    Printer::SetFileOutputOnly(true);
}

ServiceDoubles::~ServiceDoubles()
{
    Printer::SetFileOutputOnly(false);
    ModalRunner::Set({});
    SetShell(std::move(m_oldShell));
    SetDialogs(std::move(m_oldDialogs));
}

ProgramFixture::ProgramFixture(const std::function<void(const QString &)> &beforeStart)
{
    if (beforeStart)
        beforeStart(folder.DatabasePath());
    Application().ResetTerminated();
    CreateStartupObjects();
}

ProgramFixture::~ProgramFixture()
{
    Application().DestroyAll();
    // Windows released during the test are deleted later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
