#include "Mappeindhold.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <numeric>
#include <thread>

namespace {

using Navne = std::vector<std::string>;

QCollator samlingAf()
{
    // The C locale compares code points and would heed case; it gets the
    // common order of the world's languages instead.
    QLocale sprog;
    if (sprog.language() == QLocale::C)
        sprog = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(sprog);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// Names that collate alike keep one order: the file system's bytes settle them.
bool foer(int sammenligning, const std::string& a, const std::string& b)
{
    return sammenligning != 0 ? sammenligning < 0 : a < b;
}

template <typename T> void flyt(std::vector<T>& navne, const std::vector<std::uint32_t>& orden)
{
    std::vector<T> ud;
    ud.reserve(navne.size());
    for (std::uint32_t i : orden)
        ud.push_back(std::move(navne[i]));
    navne = std::move(ud);
}

std::vector<std::uint32_t> pladser(std::uint32_t fra, std::uint32_t til)
{
    std::vector<std::uint32_t> orden(til - fra);
    std::iota(orden.begin(), orden.end(), fra);
    return orden;
}

void ordnFoersteAf(Navne& navne, std::size_t antal)
{
    // Comparing each name against the last of the first rows is cheaper than
    // making every name's collation key.
    const QCollator collator = samlingAf();
    std::vector<QString> tekster;
    tekster.reserve(navne.size());
    for (const std::string& n : navne)
        tekster.push_back(QString::fromStdString(n));
    std::vector<std::uint32_t> orden = pladser(0, static_cast<std::uint32_t>(navne.size()));
    std::partial_sort(orden.begin(), orden.begin() + std::min(antal, orden.size()), orden.end(),
                      [&](std::uint32_t a, std::uint32_t b) {
                          return foer(collator.compare(tekster[a], tekster[b]), navne[a], navne[b]);
                      });
    flyt(navne, orden);
}

// The places of names [fra, til) in order, by their collation keys.
struct Del
{
    std::vector<QCollatorSortKey> noegler;
    std::vector<std::uint32_t> orden;
};

Del ordnDel(const Navne& navne, std::uint32_t fra, std::uint32_t til)
{
    // A collator of its own: one is not to be shared between threads.
    const QCollator collator = samlingAf();
    Del d;
    d.noegler.reserve(til - fra);
    for (std::uint32_t i = fra; i < til; ++i)
        d.noegler.push_back(collator.sortKey(QString::fromStdString(navne[i])));
    d.orden = pladser(fra, til);
    // Places are sorted, not the keys, which are costly to move.
    std::sort(d.orden.begin(), d.orden.end(), [&](std::uint32_t a, std::uint32_t b) {
        return foer(d.noegler[a - fra].compare(d.noegler[b - fra]), navne[a], navne[b]);
    });
    return d;
}

// Sorted once by collation keys: comparing keys is far cheaper than collating
// each pair of names when there are many thousand. A large folder is sorted in
// two halves at once and merged.
std::vector<std::uint32_t> ordenAf(const Navne& navne)
{
    const auto n = static_cast<std::uint32_t>(navne.size());
    const std::uint32_t midte = n >= 20000 && std::thread::hardware_concurrency() > 1 ? n / 2 : n;
    Del anden;
    std::thread traad;
    if (midte < n)
        traad = std::thread([&] { anden = ordnDel(navne, midte, n); });
    const Del foerste = ordnDel(navne, 0, midte);
    if (traad.joinable())
        traad.join();
    const auto noegle = [&](std::uint32_t i) -> const QCollatorSortKey& {
        return i < midte ? foerste.noegler[i] : anden.noegler[i - midte];
    };
    std::vector<std::uint32_t> orden(n);
    std::merge(foerste.orden.begin(), foerste.orden.end(), anden.orden.begin(), anden.orden.end(),
               orden.begin(), [&](std::uint32_t a, std::uint32_t b) {
                   return foer(noegle(a).compare(noegle(b)), navne[a], navne[b]);
               });
    return orden;
}

} // namespace

Mappeindhold::Mappeindhold(std::vector<Platform::FolderEntry> entries)
{
    for (Platform::FolderEntry& e : entries)
        if (!e.hidden && e.kind != Platform::FolderEntry::Other)
            (e.kind == Platform::FolderEntry::Folder ? m_mapper : m_filer)
                .push_back(std::move(e.name));
}

void Mappeindhold::ordnFoerste(std::size_t antal)
{
    ordnFoersteAf(m_mapper, antal);
    if (antal > m_mapper.size())
        ordnFoersteAf(m_filer, antal - m_mapper.size());
}

void Mappeindhold::ordnAlle()
{
    flyt(m_mapper, ordenAf(m_mapper));
    flyt(m_filer, ordenAf(m_filer));
}

std::vector<std::uint32_t> Mappeindhold::orden(const std::vector<std::string>& navne)
{
    return ordenAf(navne);
}

std::string Mappeindhold::navnAf(const Platform::TrashItem& item)
{
    const std::string& sti = item.original.empty() ? item.id : item.original;
    return sti.substr(sti.find_last_of(Platform::pathSeparators) + 1);
}

void Mappeindhold::ordn(std::vector<Platform::TrashItem>& items)
{
    std::vector<std::string> navne;
    navne.reserve(items.size());
    for (const Platform::TrashItem& t : items)
        navne.push_back(navnAf(t));
    std::vector<std::uint32_t> orden = ordenAf(navne);
    std::stable_partition(orden.begin(), orden.end(),
                          [&](std::uint32_t i) { return items[i].folder; });
    flyt(items, orden);
}
