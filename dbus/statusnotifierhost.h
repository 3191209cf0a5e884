#pragma once

// Whether the session's tray host takes StatusNotifierItems, as Qt asks
// before it chooses how to show the program's tray icons. Then the tray's
// messages go out as desktop notifications, whose bodies are read as
// markup, and its tooltips go to a host that may read them so too;
// otherwise Qt shows both itself, as plain text. Asks the session bus and
// waits for the answer.
bool statusNotifierHostRegistered();
