#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when the time of day jumps though no time passed: the wall clock
// set anew (by hand, or by NTP stepping it), the machine back from sleep,
// or the time zone changed. The kernel and the file system say so; nothing
// is polled, so while none of it happens the watch costs nothing.
class WallClockWatch : public QObject
{
    Q_OBJECT

public:
    explicit WallClockWatch(QObject *parent = nullptr);
    ~WallClockWatch() override;

signals:
    void jumped();

private:
    void armClockTimer();
    void clockSet();
    void zoneFolderChanged();

    int clockFd = -1;
    int zoneFd = -1;
    QSocketNotifier *clockNotifier = nullptr;
    QSocketNotifier *zoneNotifier = nullptr;
};
