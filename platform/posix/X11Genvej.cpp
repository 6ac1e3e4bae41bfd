#include "X11Genvej.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>

namespace {

xcb_connection_t* forbindelse()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Qt's key number as the X keysym of the key's unshifted symbol; 0 when unknown.
xcb_keysym_t keysym(std::uint32_t key)
{
    if (key >= 'A' && key <= 'Z')
        return key + 0x20;
    // Latin-1 capitals (not the multiplication sign) have their small letter 0x20 above.
    if (key >= 0xC0 && key <= 0xDE && key != 0xD7)
        return key + 0x20;
    if (key >= 0x20 && key <= 0xFF)
        return key;
    if (key >= 0x01000030 && key <= 0x01000052) // F1 .. F35
        return 0xFFBE + (key - 0x01000030);
    switch (key) {
    case 0x01000000: return 0xFF1B; // Escape
    case 0x01000001: return 0xFF09; // Tab
    case 0x01000003: return 0xFF08; // Backspace
    case 0x01000004: return 0xFF0D; // Return
    case 0x01000005: return 0xFF8D; // Enter on the keypad
    case 0x01000006: return 0xFF63; // Insert
    case 0x01000007: return 0xFFFF; // Delete
    case 0x01000008: return 0xFF13; // Pause
    case 0x01000009: return 0xFF61; // Print
    case 0x01000010: return 0xFF50; // Home
    case 0x01000011: return 0xFF57; // End
    case 0x01000012: return 0xFF51; // Left
    case 0x01000013: return 0xFF52; // Up
    case 0x01000014: return 0xFF53; // Right
    case 0x01000015: return 0xFF54; // Down
    case 0x01000016: return 0xFF55; // Page Up
    case 0x01000017: return 0xFF56; // Page Down
    default: return 0;
    }
}

// The first key of the keyboard that carries the symbol, in any of its levels.
xcb_keycode_t tastkode(xcb_connection_t* c, xcb_keysym_t sym)
{
    const xcb_setup_t* opsaet = xcb_get_setup(c);
    const int foerste = opsaet->min_keycode;
    const int antal = opsaet->max_keycode - foerste + 1;
    xcb_get_keyboard_mapping_reply_t* svar = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, static_cast<xcb_keycode_t>(foerste),
                                    static_cast<std::uint8_t>(antal)),
        nullptr);
    if (!svar)
        return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(svar);
    const int pr = svar->keysyms_per_keycode;
    xcb_keycode_t fundet = 0;
    for (int k = 0; k < antal && !fundet; ++k)
        for (int i = 0; i < pr; ++i)
            if (syms[k * pr + i] == sym) {
                fundet = static_cast<xcb_keycode_t>(foerste + k);
                break;
            }
    std::free(svar);
    return fundet;
}

std::uint16_t xMasker(unsigned modifiers)
{
    std::uint16_t m = 0;
    if (modifiers & Platform::GlobalKey::Shift)
        m |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Platform::GlobalKey::Control)
        m |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Platform::GlobalKey::Alt)
        m |= XCB_MOD_MASK_1;
    if (modifiers & Platform::GlobalKey::Meta)
        m |= XCB_MOD_MASK_4;
    return m;
}

// The grab must hold whether Caps Lock and Num Lock (Mod2 on every common map) are on.
constexpr std::array<std::uint16_t, 4> laase = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                                XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint8_t badAccess = 10;

} // namespace

struct X11Genvej::Greb : QAbstractNativeEventFilter
{
    xcb_connection_t* c = nullptr;
    xcb_window_t rod = 0;
    xcb_keycode_t kode = 0;
    std::uint16_t masker = 0;
    std::function<void()> trykket;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* h = static_cast<const xcb_generic_event_t*>(message);
        if ((h->response_type & 0x7F) != XCB_KEY_PRESS)
            return false;
        const auto* tryk = static_cast<const xcb_key_press_event_t*>(message);
        const std::uint16_t uden = tryk->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2);
        if (tryk->event == rod && tryk->detail == kode && (uden & 0xFF) == masker && trykket)
            // After the toolkit has seen the press, so that the window it raises
            // carries the press's time.
            QMetaObject::invokeMethod(QCoreApplication::instance(), trykket, Qt::QueuedConnection);
        return false;
    }

    void slip()
    {
        for (const std::uint16_t l : laase)
            xcb_ungrab_key(c, kode, rod, masker | l);
        xcb_flush(c);
    }
};

X11Genvej::X11Genvej() = default;

X11Genvej::~X11Genvej()
{
    slip();
}

bool X11Genvej::understoettet()
{
    return forbindelse() != nullptr;
}

Platform::GrabResult X11Genvej::tag(const Platform::GlobalKey& key, std::function<void()> trykket)
{
    slip();
    xcb_connection_t* c = forbindelse();
    if (!c)
        return Platform::GrabResult::Unsupported;
    const xcb_keysym_t sym = keysym(key.key);
    const xcb_keycode_t kode = sym ? tastkode(c, sym) : 0;
    if (!kode)
        return Platform::GrabResult::Refused;

    auto greb = std::make_unique<Greb>();
    greb->c = c;
    greb->rod = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    greb->kode = kode;
    greb->masker = xMasker(key.modifiers);
    greb->trykket = std::move(trykket);

    std::array<xcb_void_cookie_t, laase.size()> svar{};
    for (std::size_t i = 0; i < laase.size(); ++i)
        svar[i] = xcb_grab_key_checked(c, 1, greb->rod, greb->masker | laase[i], kode,
                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    Platform::GrabResult udfald = Platform::GrabResult::Grabbed;
    for (const xcb_void_cookie_t& s : svar)
        if (xcb_generic_error_t* fejl = xcb_request_check(c, s)) {
            if (udfald == Platform::GrabResult::Grabbed)
                udfald = fejl->error_code == badAccess ? Platform::GrabResult::Taken
                                                       : Platform::GrabResult::Refused;
            std::free(fejl);
        }
    if (udfald != Platform::GrabResult::Grabbed) {
        // Lets go of the variants that did succeed; the others' holder keeps its own.
        greb->slip();
        return udfald;
    }
    QCoreApplication::instance()->installNativeEventFilter(greb.get());
    m_greb = std::move(greb);
    return udfald;
}

void X11Genvej::slip()
{
    if (!m_greb)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(m_greb.get());
    if (forbindelse() == m_greb->c)
        m_greb->slip();
    m_greb.reset();
}
