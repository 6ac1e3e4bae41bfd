// Registering and pasting: copies and moves of files and folder trees.
#include "functions/Handlinger.h"

#include "Beskeder.h"
#include "functions/Stinavn.h"

#include <QDir>

namespace {

using Entry = Platform::TreeEntry;

using Stinavn::bytes;
using Stinavn::tekst;

} // namespace

QString THandlinger::Kopi::sti() const
{
    return tekst(under(bytes(kilde), bytes(navn)));
}

bool THandlinger::canCopy() const
{
    if (!Struktur2 || Struktur2->antalValgte() == 0)
        return false;
    const int aktuel = Struktur2->aktuel();
    return aktuel >= 0 && noder().ID(aktuel) < 5;
}

bool THandlinger::canDoIt() const
{
    return canCopy();
}

int THandlinger::CopyElementer()
{
    InitRegister();
    if (!Struktur2 || Struktur2->antalValgte() == 0) {
        beskeder.besked(QStringLiteral("Der er ikke valgt elementer til kopiering."));
        return 0;
    }
    SourceMappe = Grundmappe;
    SourceDirectory = Bibmappe;
    int antal = 0;
    for (int i = 0; i < noder().antal(); ++i) {
        if (!Struktur2->erValgt(i))
            continue;
        ++antal;
        const StrukturRec r = noder().rec(i);
        if (!r.filnavn.isEmpty()) {
            FCopyListe2 << noder().navn(i);
            FCopyKilder << Grundmappe;
        } else {
            FCopyListe1 << r.mappe;
        }
    }
    return antal;
}

void THandlinger::InitRegister()
{
    FCopyListe1.clear();
    FCopyListe2.clear();
    FCopyKilder.clear();
}

bool THandlinger::RegisterElements(const QString& aElement)
{
    const Entry e = platform.entryOf(bytes(aElement));
    const QString mappe = DirKontrol(mappeOver(aElement));
    if (e.kind == Entry::Folder) {
        FCopyListe1 << aElement;
    } else if (e.kind == Entry::File || e.kind == Entry::Link) {
        FCopyListe2 << getLastDirectory(aElement);
        // Each file is taken from its own folder, however many folders the drop came from.
        FCopyKilder << mappe;
    } else {
        return false;
    }
    SourceMappe = mappe;
    SourceDirectory = mappe;
    return true;
}

QString THandlinger::DirKontrol(const QString& path)
{
    if (path.size() > 1 && (path.endsWith(u'\\') || path.endsWith(u'/')) && !QDir(path).isRoot())
        return path.chopped(1);
    return path;
}

bool THandlinger::sammeMappe(const QString& a, const QString& b) const
{
    const Platform::FileStatus sa = platform.statusOf(bytes(a));
    const Platform::FileStatus sb = platform.statusOf(bytes(b));
    if (sa.exists && sb.exists)
        return sa.sameAs(sb);
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

bool THandlinger::udenforKilden(const QString& destination) const
{
    // By the folders' identities, not their paths: a link may lead into a
    // registered folder, and ".." after a link is the link's real parent.
    std::vector<Platform::FileStatus> kilder;
    for (const QString& mappe : FCopyListe1)
        kilder.push_back(platform.statusOf(bytes(mappe)));
    std::string sti = bytes(destination);
    Platform::FileStatus forrige;
    for (int trin = 0; trin < 4096; ++trin) {
        const Platform::FileStatus her = platform.statusOf(sti);
        if (!her.exists || her.sameAs(forrige))
            return true;
        for (const Platform::FileStatus& k : kilder)
            if (her.sameAs(k))
                return false;
        forrige = her;
        sti = under(sti, "..");
    }
    return true;
}

void THandlinger::fortaelFejl(const QString& overskrift)
{
    if (m_fejlede.isEmpty())
        return;
    constexpr qsizetype hoejst = 15;
    QString tekst = overskrift;
    for (qsizetype i = 0; i < std::min(hoejst, m_fejlede.size()); ++i)
        tekst += u'\r' + Stinavn::vist(m_fejlede.at(i));
    if (m_fejlede.size() > hoejst)
        tekst += QStringLiteral("\rog %1 flere.").arg(m_fejlede.size() - hoejst);
    beskeder.besked(tekst);
}

std::optional<THandlinger::Optaelling> THandlinger::taelOp(bool kopiering,
                                                          const QStringList& mapper,
                                                          const QStringList& filer,
                                                          const QString& laesefejl)
{
    Optaelling optalt;
    try {
        initInfo(kopiering);
        startKopiering(static_cast<int>(mapper.size()));
        Progressvindue->opdater();
        for (const QString& mappe : mapper) {
            const qint64 foer = totalSize;
            getDirInfo(mappe);
            optalt.mapper << totalSize - foer;
        }
        for (const QString& fil : filer) {
            const qint64 stoerrelse = getFilensSize(fil);
            totalSize += stoerrelse;
            optalt.filer << stoerrelse;
            ++antalFiler;
        }
        if (kopiering) {
            Progressvindue->setIndlaeste(QLocale().toString(antalMapper));
            Progressvindue->setAktiv(1, 1);
        } else {
            // A deletion counts what was chosen, not the files inside the folders.
            antalFiler = static_cast<int>(mapper.size() + filer.size());
        }
        udskrivInfo(kopiering);
    } catch (const Laesefejl&) {
        endInfo();
        slutKopiering();
        beskeder.besked(laesefejl);
        return {};
    }
    return optalt;
}

int THandlinger::afslut(const QString& overskrift, int udfoert)
{
    fortaelFejl(overskrift);
    return !m_fejlede.isEmpty() && udfoert <= 0 ? -1 : udfoert;
}

int THandlinger::PasteElementer(bool sletAfterCopy)
{
    const Optaget optaget(m_optaget);
    m_fejlede.clear();
    QString fallback = mappeOver(Grundmappe);
    if (fallback.size() == 3 && fallback.at(1) == u':')
        fallback.chop(1);
    QString destination;
    if (Struktur2 && Struktur2->antalValgte() > 0)
        destination = Bibmappe;
    else if (erMappe(Grundmappe))
        destination = Grundmappe;
    else {
        beskeder.besked(QStringLiteral("Der er ikke valgt destignation."));
        return 0;
    }
    deleteAfterCopy = sletAfterCopy;
    if (sammeMappe(destination, SourceDirectory)) {
        beskeder.besked(QStringLiteral("Kildemappe og destignationsmappe er samme mappe."));
        return 0;
    }
    // A folder copied into itself would copy its own copy without end.
    if (!udenforKilden(destination)) {
        beskeder.besked(QStringLiteral(
            "En mappe kan ikke indsættes i sig selv eller i en af sine egne undermapper."));
        return 0;
    }
    bool nytNavn = false;
    if (sammeMappe(destination, SourceMappe)) {
        deleteAfterCopy = false;
        if (!beskeder.spoerg(QStringLiteral(
                "Kildemappe er undermappe til destignationsmappen.\rSkal der oprettes en kopi?")))
            return 0;
        nytNavn = true;
    }
    if (!skalElementerKopieres(SourceMappe, destination, FCopyListe1, FCopyListe2)) {
        deleteAfterCopy = sletAfterCopy;
        return 0;
    }

    QList<Kopi> filer;
    QStringList filstier;
    for (qsizetype i = 0; i < FCopyListe2.size(); ++i) {
        filer.append({FCopyKilder.value(i, SourceMappe), FCopyListe2.at(i)});
        filstier << filer.last().sti();
    }
    if (!taelOp(true, FCopyListe1, filstier,
                QStringLiteral("Der er opstået en fejl.\rElementer er muligvist slettede.")))
        return 0;

    m_lavet.clear();
    m_handling = {deleteAfterCopy ? Fortrydelser::Flyt : Fortrydelser::Indsaet, {}, {}, {}, 0};
    int indsat = 0;
    for (const QString& mappe : std::as_const(FCopyListe1)) {
        if (platform.entryOf(bytes(mappe)).kind != Entry::Folder) {
            m_fejlede << mappe;
            continue;
        }
        QString maal = tekst(under(bytes(destination), bytes(getSlutDir(mappe))));
        const bool findes = findesNoget(maal);
        if (nytNavn && findes) {
            maal = getNewDirectoryName(maal, {});
        } else if (findes && !beskeder.spoerg(QStringLiteral(
                                 "Mappen eksisterer.\rSkal alle elementer overskrives?"))) {
            continue;
        }
        const bool hel = kopierMappeEx(bytes(mappe), bytes(maal));
        // The source goes only when every one of its entries reached the copy.
        const bool flyttet = hel && deleteAfterCopy && sletMappe(mappe, true);
        // Named once: a folder that could not be read at all is named already.
        if (deleteAfterCopy && !flyttet && m_fejlede.value(m_fejlede.size() - 1) != mappe)
            m_fejlede << mappe;
        if (flyttet || !deleteAfterCopy)
            m_handling.par.emplace_back(mappe, maal);
        if (hel)
            ++indsat;
    }
    if (!filer.isEmpty())
        indsat += kopierFiler(destination, true, filer);
    // A move is taken back by the places, whatever became of the files since.
    if (deleteAfterCopy)
        m_handling.lavet.clear();
    m_fortryd.husk(std::move(m_handling));
    endInfo();
    slutKopiering();
    if (!FCopyListe1.isEmpty()) {
        udfoldStruktur1(destination, false);
        if (!erMappe(Grundmappe))
            Grundmappe = fallback;
    }
    makeStruktur2(Grundmappe, false, true);
    if (deleteAfterCopy)
        InitRegister();
    return afslut(deleteAfterCopy
                      ? QStringLiteral("Disse elementer blev ikke flyttet og er, hvor de var:")
                      : QStringLiteral("Disse elementer kunne ikke kopieres:"),
                  indsat);
}

void THandlinger::makeLister(const QString& destDir, const QList<Kopi>& names)
{
    fList.clear();
    eList.clear();
    const std::string dest = bytes(destDir);
    for (const Kopi& k : names)
        (platform.entryOf(under(dest, bytes(k.navn))).kind == Entry::File ? eList : fList)
            .append(k);
}

int THandlinger::kopierFiler(const QString& destDir, bool toPapirkurv, const QList<Kopi>& names)
{
    makeLister(destDir, names);
    const std::string dest = bytes(destDir);
    QList<std::pair<Kopi, QString>> kopieret; // each with where it went
    const auto kopier = [&](const Kopi& k, const QString& maal) {
        const std::string kilde = bytes(k.sti());
        if (kopierFilEx(kilde, bytes(maal)))
            kopieret.append({k, m_sidsteMaal});
        // As counted: an empty file is one byte.
        const qint64 size = platform.entryOf(kilde).size;
        Progressvindue->setAlleProcent(progressInfo(std::max<qint64>(size, 1)));
    };
    const auto maalFor = [&](const Kopi& k) { return tekst(under(dest, bytes(k.navn))); };
    for (const Kopi& k : std::as_const(fList))
        kopier(k, maalFor(k));
    QList<Konflikt> konflikter;
    for (const Kopi& k : std::as_const(eList)) {
        const Platform::FileStatus der = platform.statusOf(bytes(maalFor(k)));
        const Platform::FileStatus her = platform.statusOf(bytes(k.sti()));
        konflikter.append({Stinavn::vist(k.navn), der.size, der.modified, her.size, her.modified});
    }
    if (eList.size() == 1) {
        if (beskeder.spoerg(QStringLiteral("Skal filen\r") + Stinavn::vist(eList.front().navn) +
                            QStringLiteral("\roverskrived?\r\r") +
                            konflikter.front().linjer().join(u'\r')))
            kopier(eList.front(), maalFor(eList.front()));
    } else if (eList.size() > 1) {
        // A closed window copies nothing, as "overwrite none" does.
        const FilFindes::Valg valg =
            (Findesvindue ? Findesvindue->vaelg(konflikter) : std::nullopt)
                .value_or(FilFindes::OverskrivIngen);
        for (qsizetype i = 0; i < eList.size(); ++i) {
            const Kopi& k = eList.at(i);
            if (valg == FilFindes::OverskrivAlle ||
                (valg == FilFindes::OverskrivHvisNyere && konflikter.at(i).nyErNyere()))
                kopier(k, maalFor(k));
            else if (valg == FilFindes::SpoergHverGang &&
                     beskeder.spoerg(QStringLiteral("Skal filen\r") + Stinavn::vist(k.navn) +
                                     QStringLiteral("\roverskrives?")))
                kopier(k, maalFor(k));
            else if (valg == FilFindes::OpretKopier)
                kopier(k, getNewFilename(maalFor(k), QStringLiteral(" Kopi")));
        }
    }
    if (deleteAfterCopy) {
        // Only what reached the destination leaves the source.
        startSletning();
        for (auto k = kopieret.crbegin(); k != kopieret.crend(); ++k) {
            const QString kilde = k->first.sti();
            if (!sletFil(kilde, toPapirkurv))
                m_fejlede << kilde;
            else
                m_handling.par.emplace_back(kilde, k->second);
        }
        slutSletning();
    } else {
        for (const auto& [k, maal] : std::as_const(kopieret))
            m_handling.par.emplace_back(k.sti(), maal);
    }
    endInfo();
    return static_cast<int>(kopieret.size());
}

bool THandlinger::kopierFilEx(const std::string& source, const std::string& target)
{
    QString maal = tekst(target);
    // Two files of one name dropped from two folders: the second must not
    // replace the first's copy.
    if (m_lavet.contains(maal))
        maal = getNewFilename(maal, QStringLiteral(" Kopi"));
    const bool fandtes = findesNoget(maal);
    const bool ok =
        platform.copyFile(source, bytes(maal), [this](std::int64_t done, std::int64_t total) {
            CopyCallback(done, total);
        });
    if (ok) {
        m_lavet.insert(maal);
        m_sidsteMaal = maal;
        if (fandtes)
            m_handling.overskrevet << maal;
        else
            m_handling.lavet.push_back(m_fortryd.spor(maal));
    } else
        m_fejlede << tekst(source);
    return ok;
}

bool THandlinger::kopierMappeEx(const std::string& source, const std::string& target)
{
    // The entries are read before the copy is made: a copy that lands inside
    // its source must not find itself there. A folder that cannot be read is
    // not copied as an empty one.
    const std::optional<std::vector<Entry>> entries = platform.readFolder(source);
    if (!entries) {
        m_fejlede << tekst(source);
        return false;
    }
    const bool fandtes = platform.entryOf(target).kind != Entry::Missing;
    if (!platform.makeFolder(target)) {
        m_fejlede << tekst(target);
        return false;
    }
    if (!fandtes)
        m_handling.lavet.push_back(m_fortryd.spor(tekst(target)));
    bool hel = true;
    for (const Entry& e : *entries) {
        const std::string kilde = under(source, e.name);
        const std::string maal = under(target, e.name);
        if (e.kind != Entry::Folder) {
            hel = kopierFilEx(kilde, maal) && hel;
            Progressvindue->setAlleProcent(progressInfo(e.size));
        } else {
            hel = kopierMappeEx(kilde, maal) && hel;
        }
    }
    return hel;
}

QString THandlinger::udfoldStruktur1(const QString&, bool)
{
    Filnavn.clear();
    return {};
}
