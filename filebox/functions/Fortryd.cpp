#include "functions/Fortryd.h"

#include "Platform.h"
#include "functions/GrundMetoder.h"
#include "functions/Stinavn.h"

#include <QDateTime>
#include <algorithm>

namespace {

using Stinavn::bytes;
using Stinavn::tekst;
using Entry = Platform::TreeEntry;

QString hvorfor(const QString& sti, const char* grund)
{
    return Stinavn::vist(sti) + QStringLiteral(" (") + QString::fromUtf8(grund) + u')';
}

// Whether `sti` lies in one of the folders, or is one.
bool inden(const QString& sti, const QStringList& mapper)
{
    return std::any_of(mapper.begin(), mapper.end(), [&](const QString& m) {
        return sti == m ||
               (sti.startsWith(m) && (sti.at(m.size()) == u'/' || sti.at(m.size()) == u'\\'));
    });
}

} // namespace

void Fortrydelser::husk(Handling h)
{
    if (h.lavet.empty() && h.par.empty() && h.overskrevet.isEmpty())
        return;
    m_handlinger.push_back(std::move(h));
}

QString Fortrydelser::caption() const
{
    static const char* const navne[] = {"indsættelse", "flytning", "omdøbning", "ny mappe",
                                        "sletning"};
    if (m_handlinger.empty())
        return QStringLiteral("Fortryd");
    return QStringLiteral("Fortryd ") + QString::fromUtf8(navne[m_handlinger.back().art]);
}

void Fortrydelser::nyMappeNavngivet(const QString& fra, const QString& til)
{
    if (m_handlinger.empty() || m_handlinger.back().art != NyMappe)
        return;
    for (auto& [mappe, tom] : m_handlinger.back().par)
        if (mappe == fra)
            mappe = til;
}

Fortrydelser::Spor Fortrydelser::spor(const QString& sti) const
{
    const Platform::TreeEntry e = m_platform.entryOf(bytes(sti));
    const Platform::FileStatus s = m_platform.statusOf(bytes(sti));
    return {sti, e.size, s.modified, e.kind == Entry::Folder};
}

bool Fortrydelser::findes(const QString& sti) const
{
    return m_platform.entryOf(bytes(sti)).kind != Entry::Missing;
}

bool Fortrydelser::erTom(const QString& mappe) const
{
    const auto entries = m_platform.readFolder(bytes(mappe));
    return entries && entries->empty();
}

bool Fortrydelser::uaendret(const Spor& s) const
{
    const Spor nu = spor(s.sti);
    return nu.mappe == s.mappe && (s.mappe || (nu.size == s.size && nu.modified == s.modified));
}

Fortrydelser::Resultat Fortrydelser::fortryd()
{
    Resultat r;
    if (m_handlinger.empty())
        return r;
    const Handling h = std::move(m_handlinger.back());
    m_handlinger.pop_back();
    switch (h.art) {
    case Indsaet:
        fjernLavet(h, r);
        break;
    case Flyt:
    case Omdoeb:
        flytTilbage(h, r);
        break;
    case NyMappe:
        slet(h, r);
        break;
    case Papirkurv:
        gendan(h, r);
        break;
    }
    return r;
}

void Fortrydelser::fjernLavet(const Handling& h, Resultat& r)
{
    // What replaced a file of the same name cannot give the old one back.
    for (const QString& sti : h.overskrevet)
        r.ikke << hvorfor(sti, "erstattede en fil og bliver");
    QStringList bliver = h.overskrevet;
    // Contents before the folders that hold them.
    for (auto s = h.lavet.crbegin(); s != h.lavet.crend(); ++s) {
        if (!findes(s->sti))
            continue;
        if (!uaendret(*s)) {
            r.ikke << hvorfor(s->sti, "ændret siden");
            bliver << s->sti;
            continue;
        }
        if (s->mappe && !erTom(s->sti)) {
            // Named only when nothing inside it is named already.
            if (!std::any_of(bliver.begin(), bliver.end(),
                             [&](const QString& b) { return inden(b, {s->sti}); }))
                r.ikke << hvorfor(s->sti, "indeholder nye elementer");
            bliver << s->sti;
            continue;
        }
        if (!m_platform.deletePermanently(bytes(s->sti))) {
            r.ikke << hvorfor(s->sti, "kunne ikke fjernes");
            bliver << s->sti;
        }
    }
    // Counted as the paste counted: the elements, not what they held.
    for (const auto& [kilde, top] : h.par)
        if (!findes(top))
            ++r.fortrudt;
}

void Fortrydelser::flytTilbage(const Handling& h, Resultat& r)
{
    for (auto p = h.par.crbegin(); p != h.par.crend(); ++p) {
        // Named references, not a structured binding: the lambda below captures them.
        const QString& fra = p->first;
        const QString& til = p->second;
        const Platform::FileStatus her = m_platform.statusOf(bytes(til));
        const Platform::FileStatus der = m_platform.statusOf(bytes(fra));
        const auto spor = std::find_if(h.lavet.begin(), h.lavet.end(),
                                       [&](const Spor& s) { return s.sti == til; });
        if (!findes(til))
            r.ikke << hvorfor(til, "findes ikke mere");
        else if (spor != h.lavet.end() && !uaendret(*spor))
            r.ikke << hvorfor(til, "ændret siden");
        // A change of letter case only finds the entry itself at its old name.
        else if (findes(fra) && !der.sameAs(her))
            r.ikke << hvorfor(fra, "stedet er optaget");
        else if (!m_platform.statusOf(bytes(TGrundMetoder::mappeOver(fra))).folder)
            r.ikke << hvorfor(fra, "mappen findes ikke mere");
        else if (!flyt(til, fra))
            r.ikke << hvorfor(til, "kunne ikke flyttes tilbage");
        else
            ++r.fortrudt;
    }
}

bool Fortrydelser::flyt(const QString& fra, const QString& til)
{
    if (m_platform.renameEntry(bytes(fra), bytes(til)))
        return true;
    // Another drive: a whole copy first, and only then the entry goes.
    if (!kopierTrae(bytes(fra), bytes(til))) {
        m_platform.deletePermanently(bytes(til));
        return false;
    }
    return m_platform.deletePermanently(bytes(fra));
}

bool Fortrydelser::kopierTrae(const std::string& fra, const std::string& til)
{
    if (m_platform.entryOf(fra).kind != Entry::Folder)
        return m_platform.copyFile(fra, til, {});
    const std::optional<std::vector<Entry>> entries = m_platform.readFolder(fra);
    if (!entries || !m_platform.makeFolder(til))
        return false;
    const QString f = tekst(fra);
    const QString t = tekst(til);
    const QChar skel = f.contains(u'\\') && !f.contains(u'/') ? u'\\' : u'/';
    bool hel = true;
    for (const Entry& e : *entries) {
        const QString navn = tekst(e.name);
        hel = kopierTrae(bytes(f + skel + navn), bytes(t + skel + navn)) && hel;
    }
    return hel;
}

void Fortrydelser::slet(const Handling& h, Resultat& r)
{
    for (const auto& [mappe, tom] : h.par) {
        if (!findes(mappe))
            continue;
        if (!erTom(mappe))
            r.ikke << hvorfor(mappe, "er ikke tom");
        else if (!m_platform.deletePermanently(bytes(mappe)))
            r.ikke << hvorfor(mappe, "kunne ikke fjernes");
        else
            ++r.fortrudt;
    }
}

void Fortrydelser::gendan(const Handling& h, Resultat& r)
{
    const std::vector<Platform::TrashItem> kurv = m_platform.trashItems();
    for (auto p = h.par.crbegin(); p != h.par.crend(); ++p) {
        const QString& sti = p->first;
        const std::string original = bytes(sti);
        // The newest entry of that place since the delete began; the bin keeps whole seconds.
        const Platform::TrashItem* fund = nullptr;
        for (const Platform::TrashItem& t : kurv)
            if (t.original == original && (t.deleted < 0 || t.deleted >= h.tid - 2000) &&
                (!fund || t.deleted > fund->deleted))
                fund = &t;
        if (!fund)
            r.ikke << hvorfor(sti, "er ikke i papirkurven mere");
        else if (findes(sti))
            r.ikke << hvorfor(sti, "stedet er optaget");
        else if (!m_platform.statusOf(bytes(TGrundMetoder::mappeOver(sti))).folder)
            r.ikke << hvorfor(sti, "mappen findes ikke mere");
        else if (!m_platform.restoreFromTrash(*fund, original))
            r.ikke << hvorfor(sti, "kunne ikke lægges tilbage");
        else
            ++r.fortrudt;
    }
}
