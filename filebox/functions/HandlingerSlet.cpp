// Deleting, new folders, renaming, the selection and the recycle bin.
#include "functions/Handlinger.h"

#include "Beskeder.h"
#include "functions/Stinavn.h"

#include <QDateTime>
#include <QDir>

namespace {

using Entry = Platform::TreeEntry;
using Stinavn::bytes;

} // namespace

int THandlinger::DeleteElementer(bool tilPapirkurven)
{
    FDeleteListe1.clear();
    FDeleteListe2.clear();
    m_fejlede.clear();
    const QString gammelGrundmappe = Grundmappe;
    if (!Struktur2 || Struktur2->antalValgte() == 0) {
        beskeder.besked(QStringLiteral("Der er ikke valgt elementer til sletning."));
        return 0;
    }
    const QString kilde = getSourcemappe();
    for (int i = 0; i < noder().antal(); ++i) {
        if (!Struktur2->erValgt(i))
            continue;
        const StrukturRec data = noder().rec(i);
        if (data.ID % 2 == 1)
            FDeleteListe2 << data.filnavn;
        else
            FDeleteListe1 << data.mappe;
    }
    if (!skalElementerSlettes(kilde, FDeleteListe2, tilPapirkurven, FDeleteListe1))
        return 0;

    const Optaget optaget(m_optaget);
    Fortrydelser::Handling kastet{
        Fortrydelser::Papirkurv, {}, {}, {}, QDateTime::currentMSecsSinceEpoch()};
    const auto optalt =
        taelOp(false, FDeleteListe1, FDeleteListe2, QStringLiteral("Der er opstået en fejl."));
    if (!optalt)
        return 0;

    for (qsizetype i = 0; i < FDeleteListe1.size(); ++i) {
        if (!sletMappe(FDeleteListe1.at(i), tilPapirkurven))
            m_fejlede << FDeleteListe1.at(i);
        else
            kastet.par.emplace_back(FDeleteListe1.at(i), QString());
        Progressvindue->setAlleProcent(progressInfo(optalt->mapper.at(i)));
    }
    for (qsizetype i = 0; i < FDeleteListe2.size(); ++i) {
        if (!sletFil(FDeleteListe2.at(i), tilPapirkurven))
            m_fejlede << FDeleteListe2.at(i);
        else
            kastet.par.emplace_back(FDeleteListe2.at(i), QString());
        Progressvindue->setAlleProcent(progressInfo(optalt->filer.at(i)));
    }
    endInfo();
    // What is deleted for good cannot come back, and its question said so.
    if (tilPapirkurven)
        m_fortryd.husk(std::move(kastet));
    slutKopiering();

    if (!erMappe(Grundmappe))
        Grundmappe = DirKontrol(mappeOver(Grundmappe));
    if (FDeleteListe1.isEmpty()) {
        if (!FDeleteListe2.isEmpty())
            makeStruktur2(Grundmappe, false, true);
    } else {
        udfoldStruktur1(Grundmappe, false);
        if (Grundmappe.compare(gammelGrundmappe, Qt::CaseInsensitive) == 0)
            makeStruktur2(Grundmappe, false, true);
    }
    return afslut(
        QStringLiteral("Disse elementer kunne ikke slettes:"),
        static_cast<int>(FDeleteListe1.size() + FDeleteListe2.size() - m_fejlede.size()));
}

bool THandlinger::sletMappe(const QString& path, bool toPapirkurv)
{
    startSletning();
    const std::string sti = bytes(path);
    const bool ok = toPapirkurv ? platform.moveToTrash(sti) : platform.deletePermanently(sti);
    slutSletning();
    return ok;
}

bool THandlinger::sletFil(const QString& aFilename, bool toPapirkurv)
{
    const std::string sti = bytes(aFilename);
    if (platform.entryOf(sti).kind == Entry::Missing)
        return false;
    return toPapirkurv ? platform.moveToTrash(sti) : platform.deletePermanently(sti);
}

bool THandlinger::NyMappe(const QString& aDirectory)
{
    const QString sti =
        getNewDirectoryName(Stinavn::tekst(under(bytes(aDirectory), "Ny mappe")), {});
    if (findesNoget(sti) || !platform.makeFolder(bytes(sti))) {
        beskeder.besked(
            QStringLiteral("Der kunne ikke oprettes en ny mappe.\rDer opstod en fejl."));
        return false;
    }
    m_fortryd.husk({Fortrydelser::NyMappe, {}, {{sti, {}}}, {}, 0});
    udfoldStruktur1(aDirectory, false);
    AktiveStruktur = 2;
    makeStruktur2(aDirectory, false, true);
    const QString navn = getLastDirectory(sti);
    for (int i = 0; Struktur2 && i < noder().antal(); ++i) {
        if (noder().navn(i).compare(navn, Qt::CaseInsensitive) == 0) {
            Struktur2->vaelg(i);
            Struktur2->redigerTekst(i);
            return true;
        }
    }
    return false;
}

QString THandlinger::RenameNode(int aNode, const QString& oldNodeName, const QString& newNodeName,
                                bool nyMappe)
{
    if (!nyMappe && newNodeName == oldNodeName)
        return oldNodeName;
    if (newNodeName.trimmed().isEmpty() || !platform.validName(bytes(newNodeName))) {
        beskeder.besked(QStringLiteral("Navnet \"") + newNodeName +
                        QStringLiteral("\" kan ikke bruges.\rDet må ikke være tomt eller "
                                       "indeholde tegnet /."));
        return oldNodeName;
    }
    if (!Struktur2 || aNode < 0 || aNode >= noder().antal())
        return oldNodeName;
    // The edited node is the one whose record follows the new name.
    Struktur2->vaelg(aNode);
    // The entry is found by its own bytes, not by the text shown for it, and
    // the new name goes into the folder's bytes.
    const QString gammeltNavn = noder().navn(aNode);
    const StrukturRec rec = noder().rec(aNode);
    const std::string gammel = bytes(rec.ID % 2 == 0 ? rec.mappe : rec.filnavn);
    QString ny = Stinavn::tekst(under(bytes(DirKontrol(Grundmappe)), bytes(newNodeName)));
    if (rec.ID % 2 == 0) {
        // A change of letter case only keeps the name; another gets the first free one.
        if (newNodeName.compare(gammeltNavn, Qt::CaseInsensitive) != 0)
            ny = getNewDirectoryName(ny, {});
        if (!platform.renameEntry(gammel, bytes(ny)))
            return oldNodeName;
        huskOmdoebning(Stinavn::tekst(gammel), ny, nyMappe);
        setSelectedDataMappe(ny);
        infoStruktur2();
        return Stinavn::vist(getLastDirectory(ny));
    }
    // "svar" for "brev.txt" is "svar.txt".
    if (extension(newNodeName).isEmpty())
        ny += extension(gammeltNavn);
    if (getLastDirectory(ny).compare(gammeltNavn, Qt::CaseInsensitive) != 0)
        ny = getNewFilename(ny, {});
    if (!platform.renameEntry(gammel, bytes(ny)))
        return oldNodeName;
    huskOmdoebning(Stinavn::tekst(gammel), ny, false);
    setSelectedDataFilnavn(ny);
    return Stinavn::vist(getLastDirectory(ny));
}

void THandlinger::SelectMapperFiler(int actionNumber)
{
    if (!Struktur2 || noder().antal() == 0)
        return;
    if (actionNumber == 3 && Struktur2->antalValgte() == noder().antal())
        actionNumber = 2;
    switch (actionNumber) {
    case 1:
        Struktur2->vaelgAlle();
        break;
    case 2:
        Struktur2->vaelg(-1);
        Filnavn.clear();
        break;
    case 3:
        Struktur2->vendValg();
        break;
    default:
        break;
    }
}

void THandlinger::EmptyRecycleBin(bool Confirm, const QString& aDrive)
{
    // Where the system has no question of its own, the file box asks.
    if (Confirm && !platform.asksBeforeEmptyingTrash() &&
        !beskeder.spoerg(QStringLiteral("Skal papirkurven tømmes?\rAlt i den slettes permanent.")))
        return;
    if (!platform.emptyTrash(bytes(aDrive), Confirm) && !platform.asksBeforeEmptyingTrash())
        beskeder.besked(QStringLiteral("Papirkurven kunne ikke tømmes helt."));
}

void THandlinger::huskOmdoebning(const QString& fra, const QString& til, bool nyMappe)
{
    // A new folder named at once is one operation: taking it back removes it.
    if (nyMappe)
        m_fortryd.nyMappeNavngivet(fra, til);
    else
        m_fortryd.husk({Fortrydelser::Omdoeb, {}, {{fra, til}}, {}, 0});
}

int THandlinger::Fortryd()
{
    const Optaget optaget(m_optaget);
    const Fortrydelser::Resultat r = m_fortryd.fortryd();
    m_fejlede = r.ikke;
    while (!erMappe(Grundmappe) && mappeOver(Grundmappe) != Grundmappe)
        Grundmappe = DirKontrol(mappeOver(Grundmappe));
    makeStruktur2(Grundmappe, false, true);
    fortaelFejl(QStringLiteral("Disse elementer blev ikke taget tilbage og er, som de var:"));
    return r.fortrudt == 0 && !r.ikke.isEmpty() ? -1 : r.fortrudt;
}
