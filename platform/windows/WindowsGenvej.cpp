#include "windows/WindowsPlatform.h"

#include <windows.h>

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

namespace {

constexpr int grebId = 1;

// Qt's key number as a virtual-key code; 0 when the keyboard has no such key.
UINT virtuelTast(std::uint32_t key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return key;
    if (key == 0x20)
        return VK_SPACE;
    if (key >= 0x01000030 && key <= 0x01000047) // F1 .. F24
        return VK_F1 + (key - 0x01000030);
    switch (key) {
    case 0x01000000: return VK_ESCAPE;
    case 0x01000001: return VK_TAB;
    case 0x01000003: return VK_BACK;
    case 0x01000004:
    case 0x01000005: return VK_RETURN;
    case 0x01000006: return VK_INSERT;
    case 0x01000007: return VK_DELETE;
    case 0x01000008: return VK_PAUSE;
    case 0x01000009: return VK_SNAPSHOT;
    case 0x01000010: return VK_HOME;
    case 0x01000011: return VK_END;
    case 0x01000012: return VK_LEFT;
    case 0x01000013: return VK_UP;
    case 0x01000014: return VK_RIGHT;
    case 0x01000015: return VK_DOWN;
    case 0x01000016: return VK_PRIOR;
    case 0x01000017: return VK_NEXT;
    default: break;
    }
    if (key > 0x20 && key <= 0xFFFF) {
        // Punctuation and national letters lie where the keyboard layout puts them.
        // CharLowerW takes and gives one character in a pointer's low word.
        const auto klein = reinterpret_cast<ULONG_PTR>(
            CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(key))));
        const SHORT v = VkKeyScanW(static_cast<WCHAR>(klein & 0xFFFF));
        if (v != -1)
            return LOBYTE(v);
    }
    return 0;
}

UINT winMasker(unsigned modifiers)
{
    UINT m = MOD_NOREPEAT;
    if (modifiers & Platform::GlobalKey::Shift)
        m |= MOD_SHIFT;
    if (modifiers & Platform::GlobalKey::Control)
        m |= MOD_CONTROL;
    if (modifiers & Platform::GlobalKey::Alt)
        m |= MOD_ALT;
    if (modifiers & Platform::GlobalKey::Meta)
        m |= MOD_WIN;
    return m;
}

} // namespace

struct WindowsPlatform::Genvej
{
    HWND vindue = nullptr;
    bool taget = false;
    std::function<void()> trykket;

    static LRESULT CALLBACK vinduesprocedure(HWND h, UINT besked, WPARAM w, LPARAM l)
    {
        auto* g = reinterpret_cast<Genvej*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        if (besked == WM_HOTKEY && g && w == grebId && g->trykket) {
            g->trykket();
            return 0;
        }
        return DefWindowProcW(h, besked, w, l);
    }

    // A message-only window, made when first needed, on the thread that runs the windows.
    bool lav()
    {
        if (vindue)
            return true;
        WNDCLASSEXW klasse{};
        klasse.cbSize = sizeof klasse;
        klasse.lpfnWndProc = vinduesprocedure;
        klasse.hInstance = GetModuleHandleW(nullptr);
        klasse.lpszClassName = L"TavlumGlobalGenvej";
        RegisterClassExW(&klasse); // fails harmlessly when already registered
        vindue = CreateWindowExW(0, klasse.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                 nullptr, klasse.hInstance, nullptr);
        if (vindue)
            SetWindowLongPtrW(vindue, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        return vindue != nullptr;
    }

    void slip()
    {
        if (taget)
            UnregisterHotKey(vindue, grebId);
        taget = false;
    }
};

WindowsPlatform::WindowsPlatform() : m_genvej(std::make_unique<Genvej>()) {}

WindowsPlatform::~WindowsPlatform()
{
    m_genvej->slip();
    if (m_genvej->vindue)
        DestroyWindow(m_genvej->vindue);
}

Platform::GrabResult WindowsPlatform::grabGlobalKey(const GlobalKey& key,
                                                    std::function<void()> pressed)
{
    m_genvej->slip();
    const UINT vk = virtuelTast(key.key);
    if (!vk || !m_genvej->lav())
        return GrabResult::Refused;
    if (!RegisterHotKey(m_genvej->vindue, grebId, winMasker(key.modifiers), vk))
        return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? GrabResult::Taken
                                                                 : GrabResult::Refused;
    m_genvej->taget = true;
    m_genvej->trykket = std::move(pressed);
    return GrabResult::Grabbed;
}

void WindowsPlatform::releaseGlobalKey()
{
    m_genvej->slip();
}
