#include "Grupper.h"

#include "Filvagt.h"
#include "Linjefil.h"

#include <QFileInfo>
#include <algorithm>

QString Grupper::makeFilnavn() const
{
    return DirFiler + filnavnsdel(gruppenavn) + QStringLiteral(".txt");
}

QString Grupper::makeTekstnavn() const
{
    return DirFiler + filnavnsdel(gruppenavn) + QStringLiteral("tekst.txt");
}

QString Grupper::makeParameternavn() const
{
    const QString del = filnavnsdel(gruppenavn) + QStringLiteral("parametre");
    for (const QStringList* liste : {&gruppeliste, &lagerliste})
        for (const QString& anden : *liste)
            if (anden != gruppenavn && filnavnsdel(anden) == del)
                return {};
    return DirFiler + del + QStringLiteral(".txt");
}

QString Grupper::parametre(int index) const
{
    return parameterliste.value(index).section(u'\t', 0, 0);
}

QString Grupper::startmappe(int index) const
{
    return parameterliste.value(index).section(u'\t', 1);
}

QString Grupper::parameterlinje(QString parametre, QString startmappe)
{
    // A TAB parts the two and a line break would part the elements.
    for (QString* s : {&parametre, &startmappe}) {
        for (QChar& c : *s)
            if (c == u'\r' || c == u'\n' || (s == &parametre && c == u'\t'))
                c = u' ';
    }
    startmappe.replace(u'\t', u' ');
    if (startmappe.isEmpty())
        return parametre;
    return parametre + u'\t' + startmappe;
}

bool Grupper::saetParametre(int index, const QString& p, const QString& mappe)
{
    if (index < 0 || index >= programliste.size() || makeParameternavn().isEmpty())
        return false;
    parameterliste.resize(programliste.size());
    parameterliste[index] = parameterlinje(p, mappe);
    return true;
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
    // Each group has the files name, name + "tekst" and name + "parametre".
    const QString ender[] = {QString(), QStringLiteral("tekst"), QStringLiteral("parametre")};
    const auto deler = [&](const QString& a, const QString& b) {
        for (const QString& x : ender)
            for (const QString& y : ender)
                if ((a + x).compare(b + y, Qt::CaseInsensitive) == 0)
                    return true;
        return false;
    };
    for (const QString& anden : andre) {
        if (anden.compare(navn, Qt::CaseInsensitive) != 0 && deler(navn, anden))
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
    hentParametre();
    return true;
}

void Grupper::hentParametre()
{
    parameterliste.clear();
    const QString navn = makeParameternavn();
    if (!navn.isEmpty() && QFileInfo::exists(navn))
        parameterliste = Filvagt::hent(vagt, navn, Linjefil::Graense::grupper);
    parameterliste.resize(programliste.size());
    if (vagt && !navn.isEmpty())
        vagt->grundlag(navn, parameterliste);
}

void Grupper::rydAktiv()
{
    gruppenavn.clear();
    filnavn.clear();
    tekstnavn.clear();
    programliste.clear();
    tekstliste.clear();
    parameterliste.clear();
}

void Grupper::tilfoej(const QString& fName, const QString& tekst)
{
    parameterliste.resize(programliste.size());
    programliste.append(fName);
    tekstliste.append(tekst);
    parameterliste.append(QString());
}

void Grupper::fjern(int index)
{
    if (index < 0 || index >= programliste.size())
        return;
    programliste.removeAt(index);
    tekstliste.removeAt(index);
    if (index < parameterliste.size())
        parameterliste.removeAt(index);
}

void Grupper::flyt(int fra, int til)
{
    const int n = static_cast<int>(programliste.size());
    if (fra == til || fra < 0 || til < 0 || fra >= n || til >= n)
        return;
    programliste.move(fra, til);
    tekstliste.move(fra, til);
    parameterliste.resize(n);
    parameterliste.move(fra, til);
}

QString Grupper::gemAktiv()
{
    filnavn = makeFilnavn();
    tekstnavn = makeTekstnavn();
    QList<Filvagt::Aendring> filer{{filnavn, programliste}, {tekstnavn, tekstliste}};
    if (const QString parameternavn = makeParameternavn(); !parameternavn.isEmpty()) {
        parameterliste.resize(programliste.size());
        const bool noget = std::any_of(parameterliste.cbegin(), parameterliste.cend(),
                                       [](const QString& l) { return !l.isEmpty(); });
        if (noget || QFileInfo::exists(parameternavn))
            filer.append({parameternavn, parameterliste});
    }
    Filvagt egen;
    const QString fejl = (vagt ? *vagt : egen).gem(filer);
    // What could not be saved, or was changed by another program, is shown as
    // the files hold it.
    if (!fejl.isEmpty())
        aktiver(gruppenavn);
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
