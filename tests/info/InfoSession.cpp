#include "InfoSession.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "support/Helpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <stdexcept>

InfoSession::InfoSession(const QString &category, const QString &system, const QString &property)
{
    if (!ChooseText(fmStart->dblSelectSystem, category))
        throw std::runtime_error("no category " + category.toStdString());
    fmStart->InitSaveDir();
    dmDataModule->OpenTabUkl();
    if (!ChooseText(fmSelect->dblSelect, system))
        throw std::runtime_error("no system " + system.toStdString());
    if (!property.isEmpty() && !ChooseText(fmSelect->dblWlasnosci, property))
        throw std::runtime_error("no property " + property.toStdString());
}

QString InfoSession::Path(const QString &relative) const
{
    return p.folder.DatabasePath() + u'/' + relative;
}

QString InfoSession::WritePicture(const QString &relative, QSize size) const
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    if (!picture.save(path, "JPG"))
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

QString InfoSession::WriteText(const QString &relative, const QByteArray &bytes) const
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}
