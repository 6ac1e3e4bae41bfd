#include "functions/MakeStrukturer.h"

#include "Beskeder.h"
#include "functions/Stinavn.h"

#include <QDir>

namespace {

// Up to this many entries a folder is ordered whole about as fast as its
// first rows are shown.
constexpr std::size_t storMappe = 2000;

// The nodes of the first `antal` entries in the order they have.
std::vector<Filnode> noderAf(const Mappeindhold& indhold, std::size_t antal)
{
    std::vector<Filnode> noder;
    noder.reserve(std::min(antal, indhold.antal()));
    for (const auto& [navne, id] : {std::pair{&indhold.mapper(), 0}, {&indhold.filer(), 1}})
        for (auto n = navne->begin(); n != navne->end() && noder.size() < antal; ++n)
            noder.push_back({*n, id});
    return noder;
}

std::vector<Filnode> noderAf(Mappeindhold& indhold)
{
    std::vector<Filnode> noder;
    noder.reserve(indhold.antal());
    for (std::string& n : indhold.tagMapper())
        noder.push_back({std::move(n), 0});
    for (std::string& n : indhold.tagFiler())
        noder.push_back({std::move(n), 1});
    return noder;
}

} // namespace

void TMakeStrukturer::visNoder(std::vector<Filnode> nye)
{
    noder().fyld(Grundmappe, std::move(nye));
    vaelgFoerste();
}

void TMakeStrukturer::vaelgFoerste()
{
    if (antalGrundfiler > 0 && Struktur2) {
        m_autovalg = true;
        Struktur2->vaelg(0);
        m_autovalg = false;
        Struktur2->tilToppen();
        if (const QString fil = noder().rec(0).filnavn; !fil.isEmpty())
            Filnavn = fil;
    }
}

void TMakeStrukturer::makeStruktur2(const QString& aDirectory, bool insertMSL, bool reload)
{
    if (!erMappe(aDirectory))
        return;
    if (!reload && !m_papirkurv && aDirectory.compare(Grundmappe, Qt::CaseInsensitive) == 0)
        return;
    m_papirkurv = false;
    OldGrundmappe = Grundmappe;
    Filnavn.clear();
    Grundmappe = aDirectory;
    Bibmappe = Grundmappe;
    if (insertMSL)
        m_historik.optag(Grundmappe);

    Mappeindhold indhold(platform.listFolder(Stinavn::bytes(Grundmappe)));
    antalGrundmapper = static_cast<int>(indhold.mapper().size());
    antalGrundfiler = static_cast<int>(indhold.filer().size());
    // A large folder shows its first screenful before the rest is ordered.
    if (const std::size_t skaerm = Struktur2 ? Struktur2->skaermfuld() : 0;
        skaerm > 0 && indhold.antal() > storMappe) {
        indhold.ordnFoerste(skaerm);
        visNoder(noderAf(indhold, skaerm));
        Struktur2->tegnNu();
    }
    indhold.ordnAlle();
    visNoder(noderAf(indhold));
    fyrDirectoryChange();
}

void TMakeStrukturer::visPapirkurv()
{
    m_papirkurv = true;
    Filnavn.clear();
    std::vector<Platform::TrashItem> items = platform.trashEntries();
    Mappeindhold::ordn(items);
    antalGrundmapper = static_cast<int>(
        std::count_if(items.begin(), items.end(), [](const auto& t) { return t.folder; }));
    antalGrundfiler = static_cast<int>(items.size()) - antalGrundmapper;
    noder().fyldPapirkurv(std::move(items), platform);
    vaelgFoerste();
    fyrDirectoryChange();
}

void TMakeStrukturer::visIgen()
{
    if (m_papirkurv)
        visPapirkurv();
    else
        makeStruktur2(Grundmappe, false, true);
}

QStringList TMakeStrukturer::skanlinjer(int ID) const
{
    QStringList ud;
    const Filmodel& n = noder();
    for (int i = 0; i < n.antal(); ++i) {
        if (n.ID(i) != ID)
            continue;
        const StrukturRec r = n.rec(i);
        ud << n.navn(i) << r.mappe << r.filnavn << QString::number(ID);
    }
    return ud;
}

void TMakeStrukturer::vis(const std::optional<QString>& mappe)
{
    if (mappe)
        makeStruktur2(*mappe, false, true);
}

QList<TMakeStrukturer::Drevpunkt> TMakeStrukturer::drevpunkter() const
{
    QList<Drevpunkt> punkter;
    for (const Platform::Drive& d : platform.drives()) {
        const QString rod = Stinavn::tekst(d.root);
        if (!erMappe(rod))
            continue;
        QString kortform = rod;
        while (kortform.size() > 1 && kortform.endsWith(QDir::separator()))
            kortform.chop(1);
        const QString label = Stinavn::vist(Stinavn::tekst(d.label));
        switch (getDrevType(rod)) {
        case 1:
            punkter.append({label + QStringLiteral(" (") + kortform + u')', 2, kortform});
            break;
        case 2:
            punkter.append({label + QStringLiteral(" (") + kortform + u')',
                            QDir(rod).isRoot() ? 1 : 2, kortform});
            break;
        case 3:
            punkter.append({QStringLiteral("Diskdrev(") + kortform + u')', 12, kortform});
            break;
        default:
            break;
        }
    }
    return punkter;
}

void TMakeStrukturer::reloadStrukturer()
{
    beskeder.besked(
        QStringLiteral("Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst."));
    QString mappe = Grundmappe;
    while (!mappe.isEmpty() && !erMappe(mappe) && !QDir(mappe).isRoot())
        mappe = mappeOver(mappe);
    if (!erMappe(mappe))
        mappe = rodmappe();
    makeStruktur2(mappe, false, true);
}
