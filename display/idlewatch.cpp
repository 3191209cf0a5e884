#include "idlewatch.h"

IdleWatch::IdleWatch(QObject *parent) : QObject(parent) { }

IdleWatch::~IdleWatch() = default;
