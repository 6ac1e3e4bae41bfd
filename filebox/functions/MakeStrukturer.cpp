#include "functions/MakeStrukturer.h"

#include "Beskeder.h"
#include "Filliste.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenu>

namespace {

const QString mappeID = QStringLiteral("0");
const QString filID = QStringLiteral("1");

// Up to this many entries a folder is ordered whole about as fast as its
// first rows are shown.
constexpr std::size_t storMappe = 2000;

} // namespace

std::vector<Filnode> TMakeStrukturer::noderAf(const Mappeindhold& indhold, std::size_t antal) const
{
    QString praefiks = Grundmappe;
    if (!praefiks.endsWith(QDir::separator()))
        praefiks += QDir::separator();
    std::vector<Filnode> noder;
    noder.reserve(std::min(antal, indhold.antal()));
    for (const std::string& p : indhold.mapper()) {
        if (noder.size() == antal)
            return noder;
        const QString navn = QString::fromStdString(p);
        noder.push_back({navn, 1, {praefiks + navn, QString(), 0}});
    }
    for (const std::string& p : indhold.filer()) {
        if (noder.size() == antal)
            return noder;
        const QString navn = QString::fromStdString(p);
        const QString sti = praefiks + navn;
        noder.push_back({navn, billedindeks(sti), {Grundmappe, sti, 1}});
    }
    return noder;
}

void TMakeStrukturer::visNoder(std::vector<Filnode> noder)
{
    Struktur2->noder().fyld(std::move(noder));
    if (antalGrundfiler > 0) {
        m_autovalg = true;
        Struktur2->vaelg(0);
        m_autovalg = false;
        Struktur2->scrollToTop();
        if (const QString& fil = Struktur2->noder().node(0).data.filnavn; !fil.isEmpty())
            Filnavn = fil;
    }
}

void TMakeStrukturer::makeStruktur2(const QString& aDirectory, bool insertMSL, bool reload)
{
    if (!QFileInfo(aDirectory).isDir())
        return;
    if (!reload && aDirectory.compare(Grundmappe, Qt::CaseInsensitive) == 0)
        return;
    OldGrundmappe = Grundmappe;
    Filnavn.clear();
    Grundmappe = aDirectory;
    Bibmappe = Grundmappe;
    if (insertMSL) {
        mappeSL << Grundmappe;
        mappeIndex = static_cast<int>(mappeSL.size()) - 1;
    }

    Mappeindhold indhold(platform.listFolder(Grundmappe.toStdString()));
    antalGrundmapper = static_cast<int>(indhold.mapper().size());
    antalGrundfiler = static_cast<int>(indhold.filer().size());
    // A large folder shows its first screenful before the rest is ordered.
    if (Struktur2 && Struktur2->isVisible() && indhold.antal() > storMappe) {
        const std::size_t skaerm = Struktur2->skaermfuld();
        indhold.ordnFoerste(skaerm);
        visNoder(noderAf(indhold, skaerm));
        Struktur2->repaint();
    }
    indhold.ordnAlle();
    std::vector<Filnode> noder = noderAf(indhold, indhold.antal());
    SL.clear();
    SLfil.clear();
    SL.reserve(4 * antalGrundmapper);
    SLfil.reserve(4 * antalGrundfiler);
    for (const Filnode& n : noder) {
        if (n.data.ID == 0)
            SL << n.tekst << n.data.mappe << n.data.filnavn << mappeID;
        else
            SLfil << n.tekst << n.data.mappe << n.data.filnavn << filID;
    }
    if (Struktur2)
        visNoder(std::move(noder));
    fyrDirectoryChange();
}

bool TMakeStrukturer::findes(int index) const
{
    return QFileInfo(mappeSL.at(index)).isDir();
}

void TMakeStrukturer::mappeFirst()
{
    if (mappeSL.isEmpty()) {
        mappeIndex = -1;
        return;
    }
    if (mappeIndex < 1) {
        mappeIndex = 0;
        return;
    }
    // Vanished folders at the start go first, so the first one left is shown.
    mappeIndex = 0;
    while (!mappeSL.isEmpty() && !findes(0))
        mappeSL.removeFirst();
    if (mappeSL.isEmpty()) {
        mappeIndex = -1;
        return;
    }
    makeStruktur2(mappeSL.at(0), false, true);
}

void TMakeStrukturer::mappeTilbage()
{
    for (;;) {
        if (mappeSL.isEmpty()) {
            mappeIndex = -1;
            return;
        }
        if (mappeIndex < 1) {
            mappeIndex = 0;
            return;
        }
        --mappeIndex;
        if (findes(mappeIndex))
            break;
        // The deletion moves the later entries down, so going back again from
        // one place further lands on the folder that was shown; it is shown
        // again and the next press goes on.
        mappeSL.removeAt(mappeIndex);
        ++mappeIndex;
    }
    makeStruktur2(mappeSL.at(mappeIndex), false, true);
}

void TMakeStrukturer::mappeFrem()
{
    for (;;) {
        if (mappeSL.isEmpty()) {
            mappeIndex = -1;
            return;
        }
        const int sidste = static_cast<int>(mappeSL.size()) - 1;
        if (mappeIndex >= sidste) {
            mappeIndex = sidste;
            return;
        }
        ++mappeIndex;
        if (findes(mappeIndex))
            break;
        mappeSL.removeAt(mappeIndex);
        --mappeIndex;
    }
    makeStruktur2(mappeSL.at(mappeIndex), false, true);
}

void TMakeStrukturer::mappeLast()
{
    if (mappeSL.isEmpty()) {
        mappeIndex = -1;
        return;
    }
    // Vanished folders at the end go first, so the last one left is shown.
    while (!mappeSL.isEmpty() && mappeIndex < mappeSL.size() - 1 && !findes(mappeSL.size() - 1))
        mappeSL.removeLast();
    if (mappeSL.isEmpty()) {
        mappeIndex = -1;
        return;
    }
    const int sidste = static_cast<int>(mappeSL.size()) - 1;
    if (mappeIndex >= sidste) {
        mappeIndex = sidste;
        return;
    }
    mappeIndex = sidste;
    makeStruktur2(mappeSL.at(mappeIndex), false, true);
}

QList<TMakeStrukturer::Drevpunkt> TMakeStrukturer::drevpunkter() const
{
    QList<Drevpunkt> punkter;
    for (const Platform::Drive& d : platform.drives()) {
        const QString rod = QString::fromStdString(d.root);
        if (!QFileInfo(rod).isDir())
            continue;
        QString kortform = rod;
        while (kortform.size() > 1 && kortform.endsWith(QDir::separator()))
            kortform.chop(1);
        const QString label = QString::fromStdString(d.label);
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

void TMakeStrukturer::makeDrevTekstMenu(QMenu* PUdrevene, const QList<QIcon>& AImageDirliste)
{
    PUdrevene->clear();
    for (const Drevpunkt& p : drevpunkter()) {
        QString tekst = p.caption;
        QAction* punkt = PUdrevene->addAction(AImageDirliste.value(p.billede),
                                              tekst.replace(u'&', QStringLiteral("&&")));
        punkt->setData(p.kortform);
        connect(punkt, &QAction::triggered, this, [this, punkt] { drevTekstKlik(punkt); });
    }
}

void TMakeStrukturer::drevTekstKlik(const QAction* Sender)
{
    // The short form goes with the item, so brackets in a label cannot change it.
    makeStruktur2(Sender->data().toString(), false, true);
}

void TMakeStrukturer::reloadStrukturer()
{
    beskeder.besked(
        QStringLiteral("Mappen eller drevet eksisterer ikke.\rStrukturene vil blive genindlæst."));
    QString mappe = Grundmappe;
    while (!mappe.isEmpty() && !QFileInfo(mappe).isDir() && !QDir(mappe).isRoot())
        mappe = QFileInfo(mappe).path();
    if (!QFileInfo(mappe).isDir())
        mappe = rodmappe();
    makeStruktur2(mappe, false, true);
}

int TMakeStrukturer::billedindeks(const QString& filnavn)
{
    static const QHash<QString, int> tabel = [] {
        // Each extension once, so the first row of the table that names it is the one used.
        const std::pair<const char*, int> raekker[] = {
            {".rtf", 20}, {".docx", 20}, {".vbs", 21}, {".wsf", 21}, {".js", 22},  {".html", 23},
            {".asp", 23}, {".inc", 23},  {".asa", 23}, {".css", 24}, {".bat", 25}, {".ps1", 26},
            {".txt", 6},  {".xml", 6},   {".xsd", 6},  {".jpg", 3},  {".png", 3},  {".bmp", 3},
            {".ico", 3},  {".gif", 3},   {".mp3", 4},  {".m4a", 10}, {".mp4", 5},  {".m4v", 8},
            {".avi", 9},  {".mpg", 12},  {".wav", 13}, {".exe", 7},  {".lnk", 11}, {".iss", 14},
            {".pas", 18}};
        QHash<QString, int> t;
        for (const auto& [endelse, billede] : raekker)
            t.insert(QLatin1String(endelse), billede);
        return t;
    }();
    return tabel.value(extension(filnavn).toLower(), 2);
}
