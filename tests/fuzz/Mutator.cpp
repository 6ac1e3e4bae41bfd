// A small mutation fuzzer for builds without libFuzzer: it runs every seed and
// kept input once, then random mutations of them, for a number of runs or
// seconds. Under the sanitizers a fault aborts the run; the input that caused
// it is written first to crash-<target>-<n> in the current folder.
#include "Fuzzmaal.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include <fcntl.h>

// AddressSanitizer reports faults itself and then calls back; without it the
// signals are caught here.
#if defined(__SANITIZE_ADDRESS__)
#define TAVLUM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVLUM_ASAN 1
#endif
#endif
#ifdef TAVLUM_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

// Only the targets that need it (an application object) define it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes* g_nu = nullptr;
std::string g_navn = "fuzz";

// Written with plain system calls, as it may run inside a signal handler.
void gemNu()
{
    if (!g_nu)
        return;
    char fil[256];
    std::snprintf(fil, sizeof fil, "crash-%s-%d", g_navn.c_str(), static_cast<int>(getpid()));
    const int fd = ::open(fil, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    if (!g_nu->empty() && ::write(fd, g_nu->data(), g_nu->size()) < 0) {
    }
    ::close(fd);
    const char tekst[] = "\nDet input, der fejlede, er gemt i ";
    if (::write(2, tekst, sizeof tekst - 1) < 0 || ::write(2, fil, std::strlen(fil)) < 0 ||
        ::write(2, "\n", 1) < 0) {
    }
    g_nu = nullptr;
}

void vedSignal(int signal)
{
    gemNu();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

Bytes laes(const std::filesystem::path& fil)
{
    std::ifstream ind(fil, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(ind), std::istreambuf_iterator<char>());
}

void koer(const Bytes& b)
{
    g_nu = &b;
    LLVMFuzzerTestOneInput(b.data(), b.size());
    g_nu = nullptr;
}

class Mutator
{
public:
    Mutator(std::uint64_t frø, std::size_t hoejst) : m_tal(frø), m_hoejst(hoejst) {}

    Bytes mutation(const std::vector<Bytes>& korpus)
    {
        Bytes b = korpus[tal(korpus.size())];
        const std::size_t antal = 1 + tal(4);
        for (std::size_t i = 0; i < antal; ++i)
            aendr(b, korpus);
        if (b.size() > m_hoejst)
            b.resize(m_hoejst);
        return b;
    }

private:
    std::size_t tal(std::size_t under) { return under ? m_tal() % under : 0; }

    void aendr(Bytes& b, const std::vector<Bytes>& korpus)
    {
        static constexpr std::uint32_t saerlige[] = {
            0, 1, 0x7F, 0x80, 0xFF, 0x7FFF, 0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        switch (tal(b.empty() ? 2 : 8)) {
        case 0: // insert random bytes
        {
            const std::size_t sted = tal(b.size() + 1), n = 1 + tal(16);
            for (std::size_t i = 0; i < n; ++i)
                b.insert(b.begin() + std::ptrdiff_t(sted), static_cast<std::uint8_t>(m_tal()));
            break;
        }
        case 1: // splice in a piece of another input
        {
            const Bytes& anden = korpus[tal(korpus.size())];
            if (anden.empty())
                break;
            const std::size_t fra = tal(anden.size()), n = 1 + tal(anden.size() - fra);
            b.insert(b.begin() + std::ptrdiff_t(tal(b.size() + 1)),
                     anden.begin() + std::ptrdiff_t(fra), anden.begin() + std::ptrdiff_t(fra + n));
            break;
        }
        case 2: // flip a bit
            b[tal(b.size())] ^= static_cast<std::uint8_t>(1u << tal(8));
            break;
        case 3: // a random byte
            b[tal(b.size())] = static_cast<std::uint8_t>(m_tal());
            break;
        case 4: // an edge value, little-endian, as the formats hold counts and sizes
        {
            const std::uint32_t v = saerlige[tal(std::size(saerlige))];
            const std::size_t sted = tal(b.size()),
                              n = std::min<std::size_t>(1 + tal(4), b.size() - sted);
            for (std::size_t i = 0; i < n; ++i)
                b[sted + i] = static_cast<std::uint8_t>(v >> (8 * i));
            break;
        }
        case 5: // delete a piece
        {
            const std::size_t fra = tal(b.size()),
                              n = 1 + tal(std::min<std::size_t>(64, b.size() - fra));
            b.erase(b.begin() + std::ptrdiff_t(fra), b.begin() + std::ptrdiff_t(fra + n));
            break;
        }
        case 6: // repeat a piece many times
        {
            const std::size_t fra = tal(b.size()),
                              n = 1 + tal(std::min<std::size_t>(16, b.size() - fra));
            const Bytes stykke(b.begin() + std::ptrdiff_t(fra),
                               b.begin() + std::ptrdiff_t(fra + n));
            const std::size_t gange = 1 + tal(256);
            for (std::size_t i = 0; i < gange && b.size() < m_hoejst; ++i)
                b.insert(b.begin() + std::ptrdiff_t(fra), stykke.begin(), stykke.end());
            break;
        }
        default: // cut off the end
            b.resize(tal(b.size()));
            break;
        }
    }

    std::mt19937_64 m_tal;
    std::size_t m_hoejst;
};

} // namespace

int main(int argc, char** argv)
{
    g_navn = std::filesystem::path(argv[0]).filename().string();
    long koersler = 1000;
    double sekunder = 0;
    std::uint64_t frø = 1;
    std::size_t hoejst = 64 * 1024;
    std::vector<Bytes> korpus;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            koersler = std::atol(argv[++i]);
        else if (a == "--seconds" && i + 1 < argc)
            sekunder = std::atof(argv[++i]);
        else if (a == "--seed" && i + 1 < argc)
            frø = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--max-len" && i + 1 < argc)
            hoejst = std::strtoull(argv[++i], nullptr, 10);
        else if (std::filesystem::is_directory(a)) {
            for (const auto& e : std::filesystem::directory_iterator(a))
                if (e.is_regular_file())
                    korpus.push_back(laes(e.path()));
        } else if (std::filesystem::is_regular_file(a)) {
            korpus.push_back(laes(a));
        }
    }
    if (korpus.empty())
        korpus.emplace_back();
    std::signal(SIGABRT, vedSignal);
#ifdef TAVLUM_ASAN
    __sanitizer_set_death_callback(gemNu);
#else
    for (const int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(s, vedSignal);
#endif
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    const auto start = std::chrono::steady_clock::now();
    long koert = 0;
    for (const Bytes& b : korpus) {
        koer(b);
        ++koert;
    }
    Mutator mutator(frø, hoejst);
    const auto tid = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    while (sekunder > 0 ? tid() < sekunder : koert < koersler + long(korpus.size())) {
        koer(mutator.mutation(korpus));
        ++koert;
    }
    std::printf("Done %ld runs in %.0f second(s)\n", koert, tid());
    return 0;
}
