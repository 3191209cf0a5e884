#pragma once

#include <QObject>
#include <QStringList>

class QFileSystemWatcher;
class QSettings;

// Reads a settings store again only after its files were edited outside
// the program. Syncing on every tick costs a dozen file-system calls
// each time (the user's and the system's files, for the program and for
// its organisation) for files that hardly ever change; watching them
// costs nothing while nobody edits them. Edits made through a QSettings
// of this process need neither: the process shares them in memory.
class SettingsStoreWatch : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStoreWatch(QSettings *store, QObject *parent = nullptr);

    // Reads the store's files again if they may have changed since the
    // last call; where they cannot be watched, always.
    void syncIfChanged();

    // Whether the store's files are watched, so that changed() tells of
    // every edit.
    bool isWatching() const { return watching; }

signals:
    // The store's files may have been edited.
    void changed();

private:
    void storeTouched();
    void watch();

    QSettings *store;
    QStringList files;
    QFileSystemWatcher *watcher;
    bool touched = false;
    // Whether anything could be watched; decided when the paths change, so
    // that a tick only reads two flags.
    bool watching = false;
};
