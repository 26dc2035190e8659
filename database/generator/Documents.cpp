#include "Documents.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <stdexcept>

namespace {

QByteArray ReadSource(const QString &sourceFolder, const QString &name)
{
    QFile file(sourceFolder + QStringLiteral("/content/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read content/" + name).toStdString());
    return file.readAll();
}

void WriteHelp(const QString &sourceFolder, const QString &databaseFolder)
{
    QTextDocument guide;
    guide.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    // The guide writes file-name patterns such as "<tag>_<property>.txt" in angle brackets:
    // they are text, not markup.
    guide.setMarkdown(
        QString::fromUtf8(ReadSource(sourceFolder, QStringLiteral("help/guide.md"))),
        QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub)
            | QTextDocument::MarkdownNoHTML);
    QPdfWriter pdf(databaseFolder + QStringLiteral("/VIRELT 2 PL.pdf"));
    pdf.setTitle(QStringLiteral("VIRELT 2 user guide"));
    pdf.setCreator(QStringLiteral("VIRELT 2 database generator"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    guide.print(&pdf);
}

void WriteNistPage(const QString &sourceFolder, const QString &databaseFolder)
{
    const QString folder = databaseFolder + QStringLiteral("/NIST/Release5");
    QDir().mkpath(folder);
    const QByteArray page = ReadSource(sourceFolder, QStringLiteral("nist/props01.html"));
    QFile file(folder + QStringLiteral("/props01.html"));
    if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size())
        throw std::runtime_error("cannot write NIST/Release5/props01.html");
}

} // namespace

void WriteDocuments(const QString &sourceFolder, const QString &databaseFolder)
{
    WriteHelp(sourceFolder, databaseFolder);
    WriteNistPage(sourceFolder, databaseFolder);
}
