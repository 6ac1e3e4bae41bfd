// Times programs under X until their window shows its settled picture.
//
//   vinduesmaaler RUNS TITLE PROGRAM [--hjaelp TITLE] [-- TITLE PROGRAM ...]
//
// A first, unmeasured run of each program takes the pictures its window (and,
// with --hjaelp, the help window opened by Ctrl+I) settles on. Then each
// program is started RUNS times, in turns, and timed from its start until its
// window shows that picture; its peak memory is read a second later. With
// --hjaelp, Ctrl+I is then sent and the help window timed the same way, once
// as it first opens and five times more, each after it was closed.
// One line per run: "program start MS cpu MS peak KIB [help FIRST LATER...]", where
// cpu is the processor time the program had used when its window showed.
//
// The meter keeps its one connection to the X server for the whole session: a
// server that loses its last client resets itself, and a program that connects
// during the reset is turned away.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Ur = std::chrono::steady_clock;
using namespace std::chrono_literals;

template <typename T> using Svar = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Svar<T> svar(T* t)
{
    return Svar<T>(t, &std::free);
}

[[noreturn]] void fejl(const std::string& tekst)
{
    std::fprintf(stderr, "vinduesmaaler: %s\n", tekst.c_str());
    std::exit(1);
}

double ms(Ur::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Billede
{
    int bredde = 0, hoejde = 0;
    std::vector<uint32_t> punkter;
};

class X
{
public:
    X()
    {
        m_c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_c))
            fejl("no X display");
        m_rod = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        m_pid = atom("_NET_WM_PID");
        m_netNavn = atom("_NET_WM_NAME");
        m_protokoller = atom("WM_PROTOCOLS");
        m_luk = atom("WM_DELETE_WINDOW");
        m_i = tast('i');
    }
    ~X() { xcb_disconnect(m_c); }

    // The shown top-level window of the process with this title, or 0.
    xcb_window_t vindue(pid_t pid, const std::string& titel)
    {
        auto trae = svar(xcb_query_tree_reply(m_c, xcb_query_tree(m_c, m_rod), nullptr));
        if (!trae)
            return 0;
        const xcb_window_t* boern = xcb_query_tree_children(trae.get());
        for (int i = 0; i < xcb_query_tree_children_length(trae.get()); ++i) {
            const xcb_window_t w = boern[i];
            auto egenskab = svar(
                xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, w), nullptr));
            if (!egenskab || egenskab->map_state != XCB_MAP_STATE_VIEWABLE)
                continue;
            if (tal(w, m_pid) == pid && tekst(w) == titel)
                return w;
        }
        return 0;
    }

    // The window's picture as the screen shows it, clipped to the screen; empty when gone.
    Billede billede(xcb_window_t w)
    {
        auto g = svar(xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, w), nullptr));
        auto t = svar(xcb_translate_coordinates_reply(
            m_c, xcb_translate_coordinates(m_c, w, m_rod, 0, 0), nullptr));
        if (!g || !t)
            return {};
        const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        const int x = std::max<int>(t->dst_x, 0), y = std::max<int>(t->dst_y, 0);
        const int b = std::min<int>(t->dst_x + g->width, s->width_in_pixels) - x;
        const int h = std::min<int>(t->dst_y + g->height, s->height_in_pixels) - y;
        if (b <= 0 || h <= 0)
            return {};
        auto svaret = svar(xcb_get_image_reply(
            m_c, xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_rod, x, y, b, h, ~0u), nullptr));
        if (!svaret || xcb_get_image_data_length(svaret.get()) < b * h * 4)
            return {};
        Billede billede{b, h, std::vector<uint32_t>(size_t(b) * h)};
        std::memcpy(billede.punkter.data(), xcb_get_image_data(svaret.get()), size_t(b) * h * 4);
        for (uint32_t& p : billede.punkter)
            p &= 0xffffff;
        return billede;
    }

    // Ctrl+I to the window, which is given the keyboard first (there is no window manager).
    void ctrlI(xcb_window_t w)
    {
        for (const uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
            xcb_key_press_event_t e{};
            e.response_type = type;
            e.detail = m_i;
            e.root = m_rod;
            e.event = w;
            e.same_screen = 1;
            e.state = XCB_MOD_MASK_CONTROL;
            xcb_send_event(m_c, 1, w, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE,
                           reinterpret_cast<const char*>(&e));
        }
        xcb_flush(m_c);
    }
    void fokus(xcb_window_t w)
    {
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_PARENT, w, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }
    // As a window manager's close box does.
    void luk(xcb_window_t w)
    {
        xcb_client_message_event_t e{};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = w;
        e.type = m_protokoller;
        e.data.data32[0] = m_luk;
        e.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
        xcb_flush(m_c);
    }
    bool vist(xcb_window_t w)
    {
        auto a =
            svar(xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, w), nullptr));
        return a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    }

private:
    xcb_atom_t atom(const char* navn)
    {
        auto a = svar(xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(navn)), navn), nullptr));
        return a ? a->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    xcb_keycode_t tast(uint32_t symbol)
    {
        const xcb_setup_t* s = xcb_get_setup(m_c);
        const int antal = s->max_keycode - s->min_keycode + 1;
        auto kort = svar(xcb_get_keyboard_mapping_reply(
            m_c, xcb_get_keyboard_mapping(m_c, s->min_keycode, uint8_t(antal)), nullptr));
        if (!kort)
            fejl("no keyboard map");
        const xcb_keysym_t* symboler = xcb_get_keyboard_mapping_keysyms(kort.get());
        for (int k = 0; k < antal; ++k)
            for (int j = 0; j < kort->keysyms_per_keycode; ++j)
                if (symboler[k * kort->keysyms_per_keycode + j] == symbol)
                    return xcb_keycode_t(s->min_keycode + k);
        fejl("a key is missing from the keyboard map");
    }
    long tal(xcb_window_t w, xcb_atom_t egenskab)
    {
        auto p = svar(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, w, egenskab, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!p || xcb_get_property_value_length(p.get()) < 4)
            return -1;
        return *static_cast<const uint32_t*>(xcb_get_property_value(p.get()));
    }
    std::string tekst(xcb_window_t w)
    {
        for (const xcb_atom_t egenskab : {m_netNavn, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
            auto p = svar(xcb_get_property_reply(
                m_c, xcb_get_property(m_c, 0, w, egenskab, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                nullptr));
            if (p && xcb_get_property_value_length(p.get()) > 0)
                return {static_cast<const char*>(xcb_get_property_value(p.get())),
                        size_t(xcb_get_property_value_length(p.get()))};
        }
        return {};
    }

    xcb_connection_t* m_c;
    xcb_window_t m_rod;
    xcb_atom_t m_pid, m_netNavn, m_protokoller, m_luk;
    xcb_keycode_t m_i;
};

// Close enough to the settled picture: a blinking cursor or a button that has
// become enabled may differ, an unpainted panel or page does not.
bool somSlut(const Billede& a, const Billede& slut)
{
    if (a.bredde != slut.bredde || a.hoejde != slut.hoejde || a.punkter.empty())
        return false;
    size_t forskellige = 0;
    for (size_t i = 0; i < a.punkter.size(); ++i)
        forskellige += a.punkter[i] != slut.punkter[i];
    return forskellige * 200 <= a.punkter.size();
}

struct Program
{
    std::string titel;
    std::string sti;
    std::string hjaelp; // the help window's title; empty when not timed
    Billede start, foersteHjaelp, senereHjaelp;
};

class Koersel
{
public:
    Koersel(X& x, const Program& p) : m_x(x), m_p(p)
    {
        char* argv[] = {const_cast<char*>(p.sti.c_str()), nullptr};
        posix_spawn_file_actions_t handlinger;
        posix_spawn_file_actions_init(&handlinger);
        posix_spawn_file_actions_addopen(&handlinger, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&handlinger, 2, fejllog().c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        m_start = Ur::now();
        if (posix_spawn(&m_pid, p.sti.c_str(), &handlinger, nullptr, argv, environ) != 0)
            fejl("cannot start " + p.sti);
        posix_spawn_file_actions_destroy(&handlinger);
    }
    ~Koersel()
    {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }

    // Waits until the window shows `slut`; with an empty `slut`, until it stops changing.
    // Returns the window and the picture it settled on.
    std::pair<xcb_window_t, Billede> vent(const std::string& titel, const Billede& slut)
    {
        const auto frist = Ur::now() + 30s;
        xcb_window_t w = 0;
        Billede sidst;
        auto uaendret = Ur::now();
        while (Ur::now() < frist) {
            lever();
            if (!w || !m_x.vist(w))
                w = m_x.vindue(m_pid, titel);
            if (w) {
                Billede b = m_x.billede(w);
                if (!slut.punkter.empty() && somSlut(b, slut))
                    return {w, b};
                if (b.punkter != sidst.punkter) {
                    sidst = std::move(b);
                    uaendret = Ur::now();
                } else if (slut.punkter.empty() && !sidst.punkter.empty() &&
                           Ur::now() - uaendret > 1500ms)
                    return {w, sidst};
            }
            std::this_thread::sleep_for(slut.punkter.empty() ? 20ms : 1ms);
        }
        fejl(m_p.sti + ": the window \"" + titel + "\" never showed its picture");
    }
    void ventSkjult(xcb_window_t w)
    {
        const auto frist = Ur::now() + 10s;
        while (m_x.vist(w)) {
            lever();
            if (Ur::now() > frist)
                fejl(m_p.sti + ": the help window did not close");
            std::this_thread::sleep_for(1ms);
        }
    }
    Ur::time_point startet() const { return m_start; }
    // The processor time of all the process's threads so far, which a busy machine disturbs less.
    double cpuMs() const
    {
        double ns = 0;
        const std::string opgaver = "/proc/" + std::to_string(m_pid) + "/task";
        if (DIR* d = opendir(opgaver.c_str())) {
            while (const dirent* e = readdir(d)) {
                std::ifstream tal(opgaver + "/" + e->d_name + "/schedstat");
                double t = 0;
                if (e->d_name[0] != '.' && tal >> t)
                    ns += t;
            }
            closedir(d);
        }
        return ns / 1e6;
    }
    long spidsKiB() const
    {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        for (std::string linje; std::getline(status, linje);)
            if (linje.rfind("VmHWM:", 0) == 0)
                return std::strtol(linje.c_str() + 6, nullptr, 10);
        return -1;
    }

private:
    static std::string fejllog()
    {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp ? tmp : "/tmp") + "/vinduesmaaler.log";
    }
    void lever()
    {
        if (waitpid(m_pid, nullptr, WNOHANG) != m_pid)
            return;
        std::ifstream log(fejllog());
        std::fprintf(stderr, "%s ended before its window showed:\n%s\n", m_p.sti.c_str(),
                     std::string(std::istreambuf_iterator<char>(log), {}).c_str());
        std::exit(1);
    }

    X& m_x;
    const Program& m_p;
    pid_t m_pid = 0;
    Ur::time_point m_start;
};

// One run: the start, its peak memory, and the help window's openings.
void koer(X& x, Program& p, bool forsoeg)
{
    Koersel k(x, p);
    auto [vindue, startbillede] = k.vent(p.titel, p.start);
    const double start = ms(Ur::now() - k.startet());
    const double cpu = k.cpuMs();
    if (forsoeg)
        p.start = startbillede;
    x.fokus(vindue);
    std::this_thread::sleep_for(1s);
    const long spids = k.spidsKiB();
    std::vector<double> hjaelp;
    for (int i = 0; !p.hjaelp.empty() && i < 6; ++i) {
        Billede& slut = i == 0 ? p.foersteHjaelp : p.senereHjaelp;
        x.fokus(vindue);
        const auto t0 = Ur::now();
        x.ctrlI(vindue);
        auto [hv, hb] = k.vent(p.hjaelp, forsoeg ? Billede{} : slut);
        hjaelp.push_back(ms(Ur::now() - t0));
        if (forsoeg)
            slut = std::move(hb);
        x.luk(hv);
        k.ventSkjult(hv);
        if (forsoeg && i == 1)
            break;
    }
    if (forsoeg)
        return;
    const std::string navn = p.sti.substr(p.sti.find_last_of('/') + 1);
    std::printf("%s start %.1f cpu %.1f peak %ld", navn.c_str(), start, cpu, spids);
    if (!hjaelp.empty()) {
        std::printf(" help");
        for (double h : hjaelp)
            std::printf(" %.1f", h);
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        fejl("usage: vinduesmaaler RUNS TITLE PROGRAM [--hjaelp TITLE] [-- TITLE PROGRAM ...]");
    const int gange = std::atoi(argv[1]);
    std::vector<Program> programmer;
    for (int i = 2; i < argc;) {
        if (std::string(argv[i]) == "--") {
            ++i;
            continue;
        }
        if (i + 1 >= argc)
            fejl("a title without a program");
        Program p{argv[i], argv[i + 1], {}, {}, {}, {}};
        i += 2;
        if (i + 1 < argc && std::string(argv[i]) == "--hjaelp") {
            p.hjaelp = argv[i + 1];
            i += 2;
        }
        programmer.push_back(std::move(p));
    }
    X x;
    for (Program& p : programmer)
        koer(x, p, true);
    for (int r = 0; r < gange; ++r)
        for (Program& p : programmer)
            koer(x, p, false);
    return 0;
}
