#include "monitors.h"

#include <QGuiApplication>

Monitors::Monitors(QObject *parent) : QObject(parent) { }

Monitors::~Monitors() = default;

int Monitors::count() const
{
    return QGuiApplication::screens().size();
}
