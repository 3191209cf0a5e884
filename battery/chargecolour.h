#pragma once

#include <QColor>

// The colour of a charge, wherever one is drawn: red at 0 %, yellow at
// 50 %, green at 100 %, and held there beyond.
QColor chargeColour(int percent);
