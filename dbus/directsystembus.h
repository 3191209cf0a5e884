#pragma once

#include <QDBusMessage>

// Blocking calls to the system bus over a connection of the program's own,
// made and answered in the calling thread.
//
// The older UPower has to be polled: every tick reads each property again,
// one round trip after the other. QtDBus hands each blocking call to its
// own thread to send, and the reply back again, which costs several times
// the round trip itself; here the calling thread writes the call and reads
// the reply. The calls and their order are the same; only the sender's
// unique name is another one of this process.
//
// Only for reads: the arguments of a call are strings, and a reply's
// values are D-Bus basic types, variants of them and arrays of object
// paths, in the Qt types QtDBus gives them. Any other value reads as an
// invalid QVariant. Use from the main thread only.
class DirectSystemBus
{
public:
    // The reply to call, or an error reply. Waits as long as QtDBus would.
    static QDBusMessage call(const QDBusMessage &call);

    // The unique name of the connection, once it is open; empty otherwise.
    static QString uniqueName();
};
