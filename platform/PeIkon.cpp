#include "PeIkon.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace PeIkon {

namespace {

constexpr std::uint32_t rtIcon = 3;
constexpr std::uint32_t rtGroupIcon = 14;

class Laeser
{
public:
    explicit Laeser(std::span<const std::uint8_t> b) : m_b(b) {}

    std::optional<std::uint32_t> tal(std::size_t sted, int bytes) const
    {
        if (sted > m_b.size() || m_b.size() - sted < static_cast<std::size_t>(bytes))
            return std::nullopt;
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i)
            v = (v << 8) | m_b[sted + static_cast<std::size_t>(i)];
        return v;
    }
    std::optional<std::uint32_t> u16(std::size_t sted) const { return tal(sted, 2); }
    std::optional<std::uint32_t> u32(std::size_t sted) const { return tal(sted, 4); }
    bool har(std::size_t sted, std::size_t antal) const
    {
        return sted <= m_b.size() && m_b.size() - sted >= antal;
    }
    std::span<const std::uint8_t> del(std::size_t sted, std::size_t antal) const
    {
        return m_b.subspan(sted, antal);
    }

private:
    std::span<const std::uint8_t> m_b;
};

struct Sektion
{
    std::uint32_t va, stoerrelse, raa;
};

struct Pe
{
    std::vector<Sektion> sektioner;
    std::size_t ressourcer = 0; // file offset of the resource directory

    std::optional<std::size_t> offset(std::uint32_t rva) const
    {
        for (const Sektion& s : sektioner)
            if (rva >= s.va && rva - s.va < s.stoerrelse)
                return std::size_t(rva - s.va) + s.raa;
        return std::nullopt;
    }
};

std::optional<Pe> laesPe(const Laeser& l)
{
    if (l.u16(0) != 0x5A4D)
        return std::nullopt;
    const auto peSted = l.u32(0x3C);
    if (!peSted || l.u32(*peSted) != 0x00004550)
        return std::nullopt;
    const std::size_t coff = *peSted + 4;
    const auto antalSektioner = l.u16(coff + 2);
    const auto valgfriStoerrelse = l.u16(coff + 16);
    const std::size_t valgfri = coff + 20;
    const auto magic = l.u16(valgfri);
    if (!antalSektioner || !valgfriStoerrelse || !magic)
        return std::nullopt;
    const std::size_t mapper = valgfri + (*magic == 0x20B ? 112 : 96);
    const auto antalMapper = l.u32(valgfri + (*magic == 0x20B ? 108 : 92));
    if (!antalMapper || *antalMapper < 3)
        return std::nullopt;
    const auto ressourceRva = l.u32(mapper + 2 * 8);
    if (!ressourceRva || *ressourceRva == 0)
        return std::nullopt;

    Pe pe;
    const std::size_t tabel = valgfri + *valgfriStoerrelse;
    for (std::uint32_t i = 0; i < *antalSektioner; ++i) {
        const std::size_t s = tabel + std::size_t(i) * 40;
        const auto virtuel = l.u32(s + 8), va = l.u32(s + 12), raaStr = l.u32(s + 16),
                   raa = l.u32(s + 20);
        if (!virtuel || !va || !raaStr || !raa)
            return std::nullopt;
        pe.sektioner.push_back({*va, std::max(*virtuel, *raaStr), *raa});
    }
    const auto sted = pe.offset(*ressourceRva);
    if (!sted)
        return std::nullopt;
    pe.ressourcer = *sted;
    return pe;
}

// The entry of a resource directory with the id, or its first entry when id is empty.
std::optional<std::uint32_t> post(const Laeser& l, std::size_t mappe,
                                  std::optional<std::uint32_t> id)
{
    const auto navngivne = l.u16(mappe + 12), medId = l.u16(mappe + 14);
    if (!navngivne || !medId)
        return std::nullopt;
    const std::uint32_t antal = *navngivne + *medId;
    for (std::uint32_t i = 0; i < antal; ++i) {
        const std::size_t e = mappe + 16 + std::size_t(i) * 8;
        const auto navn = l.u32(e), data = l.u32(e + 4);
        if (!navn || !data)
            return std::nullopt;
        if (!id || (!(*navn & 0x80000000u) && *navn == *id))
            return *data;
    }
    return std::nullopt;
}

// The bytes of a resource, within the file: type, then the id (or the first
// name), then the first language.
std::optional<std::span<const std::uint8_t>>
ressource(const Laeser& l, const Pe& pe, std::uint32_t type, std::optional<std::uint32_t> id)
{
    std::optional<std::uint32_t> sted = post(l, pe.ressourcer, type);
    for (int niveau = 0; niveau < 2; ++niveau) {
        if (!sted || !(*sted & 0x80000000u))
            return std::nullopt;
        sted = post(l, pe.ressourcer + (*sted & 0x7FFFFFFFu), niveau == 0 ? id : std::nullopt);
    }
    if (!sted || (*sted & 0x80000000u))
        return std::nullopt;
    const std::size_t dataPost = pe.ressourcer + *sted;
    const auto rva = l.u32(dataPost), stoerrelse = l.u32(dataPost + 4);
    if (!rva || !stoerrelse)
        return std::nullopt;
    const auto start = pe.offset(*rva);
    if (!start || !l.har(*start, *stoerrelse))
        return std::nullopt;
    return l.del(*start, *stoerrelse);
}

// The most bytes an image of a group entry's width and height (0 for 256) can
// take: 32-bit pixels with their mask and the largest palette, which also holds
// the same pixels as a PNG stored without compression.
std::size_t hoejstBillede(std::uint32_t bredde, std::uint32_t hoejde)
{
    const std::size_t w = bredde ? bredde : 256, h = hoejde ? hoejde : 256;
    return 40 + 256 * 4 + w * h * 4 + (w + 31) / 32 * 4 * h + 4096;
}

// Whether the pixels an image itself claims (a PNG's header, or a bitmap's,
// whose height counts its mask too) are no more than an icon image has.
bool ikonstoerrelse(std::span<const std::uint8_t> billede)
{
    const Laeser b(billede);
    constexpr std::uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (billede.size() >= 8 && std::equal(png, png + 8, billede.begin())) {
        const auto bredde = b.tal(16, 4), hoejde = b.tal(20, 4); // big-endian
        const auto stor = [](std::uint32_t v) {
            return (v >> 24 | (v >> 8 & 0xFF00) | (v << 8 & 0xFF0000) | v << 24) > 256;
        };
        return bredde && hoejde && !stor(*bredde) && !stor(*hoejde);
    }
    const auto bredde = b.u32(4), hoejde = b.u32(8);
    return bredde && hoejde && *bredde <= 256 && *hoejde <= 512;
}

void skriv(std::vector<std::uint8_t>& ud, std::uint32_t v, int bytes)
{
    const std::size_t sted = ud.size();
    ud.resize(sted + static_cast<std::size_t>(bytes));
    for (int i = 0; i < bytes; ++i)
        ud[sted + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

bool erPe(std::span<const std::uint8_t> fil)
{
    return laesPe(Laeser(fil)).has_value();
}

std::vector<std::uint8_t> foersteIkon(std::span<const std::uint8_t> fil)
{
    const Laeser l(fil);
    const auto pe = laesPe(l);
    if (!pe)
        return {};
    const auto gruppe = ressource(l, *pe, rtGroupIcon, std::nullopt);
    if (!gruppe)
        return {};
    const Laeser g(*gruppe);
    const auto antal = g.u16(4);
    if (!antal || *antal == 0 || *antal > hoejstBilleder)
        return {};

    std::vector<std::span<const std::uint8_t>> billeder;
    std::vector<std::size_t> poster;
    std::size_t ialt = 6;
    for (std::uint32_t i = 0; i < *antal; ++i) {
        const std::size_t e = 6 + std::size_t(i) * 14;
        const auto bredde = g.tal(e, 1), hoejde = g.tal(e + 1, 1), id = g.u16(e + 12);
        if (!bredde || !hoejde || !id)
            return {};
        const auto billede = ressource(l, *pe, rtIcon, *id);
        if (!billede)
            continue;
        // An image larger than its own width and height allow is no image of a real icon.
        ialt += 16 + billede->size();
        if (billede->size() > hoejstBillede(*bredde, *hoejde) || ialt > hoejstIkon ||
            !ikonstoerrelse(*billede))
            return {};
        poster.push_back(e);
        billeder.push_back(*billede);
    }
    if (billeder.empty())
        return {};

    // An ".ico" file: its header, one 16-byte entry per image, then the images.
    std::vector<std::uint8_t> ud;
    ud.reserve(ialt);
    skriv(ud, 0, 2);
    skriv(ud, 1, 2);
    skriv(ud, static_cast<std::uint32_t>(billeder.size()), 2);
    std::uint32_t sted = 6 + 16 * static_cast<std::uint32_t>(billeder.size());
    for (std::size_t i = 0; i < billeder.size(); ++i) {
        const auto indgang = gruppe->subspan(poster[i], 8);
        ud.insert(ud.end(), indgang.begin(), indgang.end());
        skriv(ud, static_cast<std::uint32_t>(billeder[i].size()), 4);
        skriv(ud, sted, 4);
        sted += static_cast<std::uint32_t>(billeder[i].size());
    }
    for (const auto& b : billeder)
        ud.insert(ud.end(), b.begin(), b.end());
    return ud;
}

} // namespace PeIkon
