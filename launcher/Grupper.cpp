#include "Grupper.h"

#include "Filvagt.h"
#include "Linjefil.h"

#include <QFileInfo>

QString Grupper::makeFilnavn() const
{
    return DirFiler + filnavnsdel(gruppenavn) + QStringLiteral(".txt");
}

QString Grupper::makeTekstnavn() const
{
    return DirFiler + filnavnsdel(gruppenavn) + QStringLiteral("tekst.txt");
}

QString Grupper::filnavnsdel(const QString& gruppenavn)
{
    static const QString forbudte = QStringLiteral("/\\:*?\"<>|");
    QString del;
    del.reserve(gruppenavn.size());
    for (QChar c : gruppenavn) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || forbudte.contains(c))
            del += QLatin1Char('%') +
                   QString::number(unsigned(u), 16).rightJustified(2, QLatin1Char('0')).toUpper();
        else
            del += c;
    }
    return del;
}

QString Grupper::navnFejl(const QString& navn, const QStringList& andre)
{
    if (navn == QLatin1String(".") || navn == QLatin1String("..") || navn.trimmed() != navn ||
        filnavnsdel(navn) != navn)
        return QStringLiteral("Gruppenavnet \"%1\" kan ikke bruges,\r"
                              "fordi det ikke kan være en del af et filnavn.")
            .arg(navn);
    const QString tekst = QStringLiteral("tekst");
    for (const QString& anden : andre) {
        if (anden != navn && (navn == anden + tekst || anden == navn + tekst))
            return QStringLiteral("Gruppenavnet \"%1\" kan ikke bruges,\rfordi gruppen \"%2\" "
                                  "har en fil med samme navn.")
                .arg(navn, anden);
    }
    return {};
}

QString Grupper::udvidelse(const QString& fName)
{
    const QString navn = QFileInfo(fName).fileName();
    const qsizetype punkt = navn.lastIndexOf(u'.');
    return punkt < 0 ? QString() : navn.mid(punkt).toLower();
}

QString Grupper::standardTekst(const QString& fName)
{
    return QFileInfo(fName).completeBaseName();
}

bool Grupper::hentAktiv()
{
    if (!QFileInfo(filnavn).isFile())
        return false;
    programliste = Filvagt::hent(vagt, filnavn, Linjefil::Graense::grupper);
    tekstliste = Filvagt::hent(vagt, tekstnavn, Linjefil::Graense::grupper);
    // Both lists are read by place, so a hand-edited pair of different lengths
    // is evened out in memory only; the files stay as they are until a change.
    while (tekstliste.size() < programliste.size())
        tekstliste.append(standardTekst(programliste.at(tekstliste.size())));
    tekstliste.resize(programliste.size());
    if (vagt)
        vagt->grundlag(tekstnavn, tekstliste);
    return true;
}

void Grupper::rydAktiv()
{
    gruppenavn.clear();
    filnavn.clear();
    tekstnavn.clear();
    programliste.clear();
    tekstliste.clear();
}

void Grupper::tilfoej(const QString& fName, const QString& tekst)
{
    programliste.append(fName);
    tekstliste.append(tekst);
}

void Grupper::fjern(int index)
{
    if (index < 0 || index >= programliste.size())
        return;
    programliste.removeAt(index);
    tekstliste.removeAt(index);
}

void Grupper::flyt(int fra, int til)
{
    const int n = static_cast<int>(programliste.size());
    if (fra == til || fra < 0 || til < 0 || fra >= n || til >= n)
        return;
    programliste.move(fra, til);
    tekstliste.move(fra, til);
}

QString Grupper::gemAktiv()
{
    filnavn = makeFilnavn();
    tekstnavn = makeTekstnavn();
    QString fejl = Filvagt::gem(vagt, filnavn, programliste);
    if (fejl.isEmpty())
        fejl = Filvagt::gem(vagt, tekstnavn, tekstliste);
    return fejl;
}

int Grupper::naeste(int valgt, int antal)
{
    const int i = valgt + 1;
    return i >= antal ? 0 : i;
}

int Grupper::forrige(int valgt, int antal)
{
    const int i = valgt - 1;
    return i < 0 ? antal - 1 : i;
}
