#include "x11globalkeys.h"

#include "xcbconnection.h"

#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr xcb_keysym_t numLockKeysym = 0xff7f;

QVector<xcb_keycode_t> allKeycodesOf(xcb_key_symbols_t *symbols, xcb_keysym_t keysym)
{
    QVector<xcb_keycode_t> keycodes;
    xcb_keycode_t *found = xcb_key_symbols_get_keycode(symbols, keysym);
    for (xcb_keycode_t *k = found; k && *k != XCB_NO_SYMBOL; ++k) {
        if (!keycodes.contains(*k))
            keycodes << *k;
    }
    std::free(found);
    return keycodes;
}

} // namespace

X11GlobalKeys::X11GlobalKeys(XcbConnection *connection, QObject *parent)
    : GlobalKeys(parent), m_connection(connection)
{
    m_symbols = xcb_key_symbols_alloc(m_connection->connection());
    m_numLockMask = findNumLockMask();
    connect(m_connection, &XcbConnection::eventReceived, this, &X11GlobalKeys::handleEvent);
}

X11GlobalKeys::~X11GlobalKeys()
{
    if (m_connection->isConnected()) {
        const QSet<quint32> wanted = m_wanted;
        for (quint32 keysym : wanted)
            ungrab(keysym);
    }
    if (m_symbols)
        xcb_key_symbols_free(m_symbols);
}

bool X11GlobalKeys::grab(quint32 keysym)
{
    if (!isAvailable())
        return false;
    m_wanted.insert(keysym);
    if (isHeld(keysym))
        return true;
    const bool held = grabKeycodes(keysym);
    m_connection->flush();
    return held;
}

void X11GlobalKeys::ungrab(quint32 keysym)
{
    if (!m_wanted.remove(keysym))
        return;
    releaseKeycodes(keysym);
    m_connection->flush();
}

bool X11GlobalKeys::isHeld(quint32 keysym) const
{
    for (auto it = m_heldKeycodes.cbegin(); it != m_heldKeycodes.cend(); ++it) {
        if (it.value() == keysym)
            return true;
    }
    return false;
}

void X11GlobalKeys::handleEvent(const xcb_generic_event_t *event)
{
    switch (event->response_type & 0x7f) {
    case XCB_KEY_PRESS: {
        const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
        const auto it = m_heldKeycodes.constFind(press->detail);
        if (it != m_heldKeycodes.constEnd())
            Q_EMIT pressed(it.value());
        break;
    }
    case XCB_MAPPING_NOTIFY:
        followMapping(reinterpret_cast<const xcb_mapping_notify_event_t *>(event));
        break;
    default:
        break;
    }
}

void X11GlobalKeys::followMapping(const xcb_mapping_notify_event_t *event)
{
    if (event->request == XCB_MAPPING_POINTER)
        return;
    // Released by their old keycodes before those are forgotten.
    const QSet<quint32> wanted = m_wanted;
    for (quint32 keysym : wanted)
        releaseKeycodes(keysym);
    xcb_refresh_keyboard_mapping(m_symbols, const_cast<xcb_mapping_notify_event_t *>(event));
    m_numLockMask = findNumLockMask();
    for (quint32 keysym : wanted)
        grabKeycodes(keysym);
    m_connection->flush();
    Q_EMIT keyboardMappingChanged();
}

bool X11GlobalKeys::grabKeycodes(quint32 keysym)
{
    const QVector<xcb_keycode_t> keycodes = keycodesOf(keysym);
    if (keycodes.isEmpty())
        return false;
    xcb_connection_t *c = m_connection->connection();
    QVector<xcb_void_cookie_t> cookies;
    for (xcb_keycode_t keycode : keycodes) {
        for (quint16 modifiers : lockVariants())
            cookies << xcb_grab_key_checked(c, true, m_connection->rootWindow(), modifiers, keycode,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    // BadAccess: another client holds one of the combinations.
    bool refused = false;
    for (const xcb_void_cookie_t &cookie : cookies) {
        if (xcb_generic_error_t *error = xcb_request_check(c, cookie)) {
            refused = true;
            std::free(error);
        }
    }
    for (xcb_keycode_t keycode : keycodes) {
        if (refused)
            xcb_ungrab_key(c, keycode, m_connection->rootWindow(), XCB_MOD_MASK_ANY);
        else
            m_heldKeycodes.insert(keycode, keysym);
    }
    return !refused;
}

void X11GlobalKeys::releaseKeycodes(quint32 keysym)
{
    for (auto it = m_heldKeycodes.begin(); it != m_heldKeycodes.end();) {
        if (it.value() == keysym) {
            xcb_ungrab_key(m_connection->connection(), it.key(), m_connection->rootWindow(),
                           XCB_MOD_MASK_ANY);
            it = m_heldKeycodes.erase(it);
        } else {
            ++it;
        }
    }
}

QVector<xcb_keycode_t> X11GlobalKeys::keycodesOf(quint32 keysym) const
{
    // A keycode another wanted key already holds is not taken twice.
    QVector<xcb_keycode_t> keycodes = allKeycodesOf(m_symbols, keysym);
    keycodes.erase(std::remove_if(keycodes.begin(), keycodes.end(),
                                  [this](xcb_keycode_t k) { return m_heldKeycodes.contains(k); }),
                   keycodes.end());
    return keycodes;
}

QVector<quint16> X11GlobalKeys::lockVariants() const
{
    // Caps Lock and Num Lock are states, not chords: the key must work with
    // either on.
    return {0, XCB_MOD_MASK_LOCK, m_numLockMask, quint16(XCB_MOD_MASK_LOCK | m_numLockMask)};
}

quint16 X11GlobalKeys::findNumLockMask() const
{
    xcb_connection_t *c = m_connection->connection();
    xcb_get_modifier_mapping_reply_t *reply =
            xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr);
    if (!reply)
        return XCB_MOD_MASK_2;
    const QVector<xcb_keycode_t> numLockKeycodes = allKeycodesOf(m_symbols, numLockKeysym);
    const xcb_keycode_t *modifierKeys = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    quint16 mask = 0;
    for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (numLockKeycodes.contains(modifierKeys[modifier * perModifier + i]))
                mask = quint16(1u << modifier);
        }
    }
    std::free(reply);
    // Mod2 is where every common keymap puts it.
    return mask ? mask : quint16(XCB_MOD_MASK_2);
}
