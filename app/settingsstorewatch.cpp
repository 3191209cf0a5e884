#include "settingsstorewatch.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>

SettingsStoreWatch::SettingsStoreWatch(QSettings *store, QObject *parent)
    : QObject(parent), store(store), watcher(new QFileSystemWatcher(this))
{
    // The files the store reads, most specific first, as QSettings names them.
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        for (const QString &application : {store->applicationName(), QString()}) {
            const QString file =
                    QSettings(store->format(), scope, store->organizationName(), application)
                            .fileName();
            if (!files.contains(file))
                files.append(file);
        }
    }
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &SettingsStoreWatch::storeTouched);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this,
            &SettingsStoreWatch::storeTouched);
    watch();
}

void SettingsStoreWatch::syncIfChanged()
{
    if (touched || !watching)
        store->sync();
    touched = false;
}

// Editors replace a file rather than write into it, and a folder may be
// made only when the first setting is saved: every change looks at what
// exists now.
void SettingsStoreWatch::storeTouched()
{
    touched = true;
    // A watched file that was replaced would still be watched by its old
    // contents.
    const QStringList watchedFiles = watcher->files();
    if (!watchedFiles.isEmpty())
        watcher->removePaths(watchedFiles);
    watch();
    emit changed();
}

// Each file that exists, and the nearest existing folder above each file,
// which tells when the file is made, replaced or removed.
void SettingsStoreWatch::watch()
{
    QStringList paths;
    for (const QString &file : qAsConst(files)) {
        if (QFileInfo::exists(file))
            paths.append(file);
        QString folder = QFileInfo(file).absolutePath();
        while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot())
            folder = QFileInfo(folder).absolutePath();
        paths.append(folder);
    }
    const QStringList watched = watcher->files() + watcher->directories();
    paths.removeDuplicates();
    for (const QString &path : qAsConst(watched))
        paths.removeAll(path);
    if (!paths.isEmpty())
        watcher->addPaths(paths);
    watching = !watcher->files().isEmpty() || !watcher->directories().isEmpty();
}
