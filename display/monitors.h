#pragma once

#include <QObject>

// How many monitors the session shows, asked at the moment it matters (the
// lid closing, say). This general answer counts Qt's screens; a display
// server that knows better says so in a subclass.
class Monitors : public QObject
{
    Q_OBJECT

public:
    explicit Monitors(QObject *parent = nullptr);
    ~Monitors() override;

    virtual int count() const;
};
