#pragma once

#include "globalkeys.h"

#include <QHash>
#include <QSet>
#include <QVector>

#include <xcb/xcb.h>

class XcbConnection;
struct _XCBKeySymbols;

// Global keys on X11: passive grabs of the keys' keycodes on the root
// window. A grab another client holds fails with BadAccess, which is asked
// for on every grab so that such a key is left to its holder. The keycodes
// are looked up again whenever the keyboard's mapping changes (xdotool, for
// one, maps spare keycodes to keysyms the keymap lacks).
class X11GlobalKeys : public GlobalKeys
{
    Q_OBJECT

public:
    explicit X11GlobalKeys(XcbConnection *connection, QObject *parent = nullptr);
    ~X11GlobalKeys() override;

    bool grab(quint32 keysym) override;
    void ungrab(quint32 keysym) override;
    bool isHeld(quint32 keysym) const override;

private:
    void handleEvent(const xcb_generic_event_t *event);
    void followMapping(const xcb_mapping_notify_event_t *event);
    bool grabKeycodes(quint32 keysym);
    void releaseKeycodes(quint32 keysym);
    QVector<xcb_keycode_t> keycodesOf(quint32 keysym) const;
    QVector<quint16> lockVariants() const;
    quint16 findNumLockMask() const;

    XcbConnection *m_connection;
    _XCBKeySymbols *m_symbols = nullptr;
    quint16 m_numLockMask = XCB_MOD_MASK_2;
    QSet<quint32> m_wanted;
    QHash<xcb_keycode_t, quint32> m_heldKeycodes;
};
