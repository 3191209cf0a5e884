#include "globalkeys.h"

GlobalKeys::GlobalKeys(QObject *parent) : QObject(parent) { }

GlobalKeys::~GlobalKeys() = default;
