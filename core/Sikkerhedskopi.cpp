#include "Sikkerhedskopi.h"

#include "Filskriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString datoform = QStringLiteral("yyyy-MM-dd");
// Marks a day's folder that holds every data file of one moment.
const QString helNavn = QStringLiteral(".tavlum-hel");

bool skriv(const QString& filnavn, const QByteArray& bytes)
{
    return Filskriver::skriv(filnavn, bytes).isEmpty();
}

bool laes(const QString& filnavn, QByteArray& bytes)
{
    QFile fil(filnavn);
    if (!fil.open(QIODevice::ReadOnly))
        return false;
    bytes = fil.readAll();
    return fil.error() == QFileDevice::NoError;
}

} // namespace

Sikkerhedskopi::Sikkerhedskopi(QString brugermappe, Ur ur)
    : m_bruger(std::move(brugermappe)), m_ur(std::move(ur))
{
}

QString Sikkerhedskopi::rod() const
{
    return QDir(m_bruger).filePath(QStringLiteral("Sikkerhedskopier"));
}

QDate Sikkerhedskopi::idag() const
{
    return (m_ur ? m_ur() : QDateTime::currentDateTime()).date();
}

QString Sikkerhedskopi::dagmappe(QDate dag) const
{
    return rod() + u'/' + dag.toString(datoform);
}

QString Sikkerhedskopi::relativtNavn(const QString& filnavn) const
{
    if (m_bruger.isEmpty())
        return {};
    const QString rel = QDir(QFileInfo(m_bruger).absoluteFilePath())
                            .relativeFilePath(QFileInfo(filnavn).absoluteFilePath());
    static const QStringList egne = {
        QStringLiteral("options.txt"), QStringLiteral("egenskaber.txt"),
        QStringLiteral("programgrupper.txt"), QStringLiteral("lagergrupper.txt")};
    if (egne.contains(rel))
        return rel;
    // A group's files sit directly in "Filer".
    const QStringList dele = rel.split(u'/');
    if (dele.size() == 2 && dele.at(0) == QLatin1String("Filer") &&
        dele.at(1).endsWith(QLatin1String(".txt")))
        return rel;
    return {};
}

bool Sikkerhedskopi::kopier(const QString& fra, const QString& til)
{
    QByteArray bytes;
    return QDir().mkpath(QFileInfo(til).path()) && laes(fra, bytes) && skriv(til, bytes);
}

QStringList Sikkerhedskopi::nuvaerende() const
{
    QStringList nu = QDir(m_bruger).entryList(QDir::Files);
    for (const QString& navn : QDir(m_bruger + QStringLiteral("/Filer")).entryList(QDir::Files))
        nu << QStringLiteral("Filer/") + navn;
    nu.removeIf([this](const QString& r) { return relativtNavn(QDir(m_bruger).filePath(r)) != r; });
    return nu;
}

bool Sikkerhedskopi::tagBillede(QDate dag)
{
    // Made aside and put in place whole, so a day's folder is never half a state.
    const QString maal = dagmappe(dag);
    const QString ny = rod() + QStringLiteral("/.") + dag.toString(datoform) + QStringLiteral(".ny");
    const QString gammel = ny.chopped(3) + QStringLiteral(".gammel");
    QDir(ny).removeRecursively();
    QDir(gammel).removeRecursively();
    bool ok = QDir().mkpath(ny);
    for (const QString& r : nuvaerende())
        ok = ok && kopier(QDir(m_bruger).filePath(r), ny + u'/' + r);
    ok = ok && skriv(ny + u'/' + helNavn, {});
    if (ok && QFileInfo::exists(maal))
        ok = QDir().rename(maal, gammel);
    if (ok && !QDir().rename(ny, maal)) {
        QDir().rename(gammel, maal);
        ok = false;
    }
    QDir(ny).removeRecursively();
    QDir(gammel).removeRecursively();
    return ok;
}

bool Sikkerhedskopi::foerAendring(const QString& filnavn)
{
    if (relativtNavn(filnavn).isEmpty() || QFileInfo::exists(dagmappe(idag())))
        return true;
    if (!tagBillede(idag())) {
        m_fejlet = true;
        return false;
    }
    ryd();
    return true;
}

QList<QDate> Sikkerhedskopi::kopidage() const
{
    QList<QDate> ud;
    for (const QString& navn : QDir(rod()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDate dag = QDate::fromString(navn, datoform);
        if (dag.isValid() && dag.toString(datoform) == navn)
            ud.append(dag);
    }
    std::sort(ud.begin(), ud.end(), std::greater<>());
    return ud;
}

void Sikkerhedskopi::ryd()
{
    const QList<QDate> alle = kopidage();
    for (qsizetype i = dage; i < alle.size(); ++i)
        QDir(dagmappe(alle.at(i))).removeRecursively();
}

QStringList Sikkerhedskopi::filer(QDate dag) const
{
    QStringList ud;
    const QDir mappe(dagmappe(dag));
    for (const QString& navn : mappe.entryList(QDir::Files))
        ud << navn;
    for (const QString& navn : QDir(mappe.filePath(QStringLiteral("Filer"))).entryList(QDir::Files))
        ud << QStringLiteral("Filer/") + navn;
    // Only what a copy can hold goes back.
    ud.erase(std::remove_if(ud.begin(), ud.end(),
                            [this](const QString& r) {
                                return relativtNavn(QDir(m_bruger).filePath(r)) != r;
                            }),
             ud.end());
    return ud;
}

QString Sikkerhedskopi::gendan(QDate dag)
{
    const QStringList navne = filer(dag);
    const QString fejl = QStringLiteral("Sikkerhedskopien fra den %1 kunne ikke gendannes.\r%2")
                             .arg(dag.toString(QStringLiteral("dd-MM-yyyy")));
    if (navne.isEmpty())
        return fejl.arg(QStringLiteral("Den indeholder ingen filer."));
    // A whole state: what it did not hold did not exist then. (A day kept by an
    // older version holds only the files it changed.)
    const bool hel = QFileInfo::exists(dagmappe(dag) + u'/' + helNavn);
    // Read first: restoring today's copy replaces it by the files of now.
    QList<QByteArray> indhold;
    for (const QString& r : navne) {
        QByteArray bytes;
        if (!laes(dagmappe(dag) + u'/' + r, bytes))
            return fejl.arg(QDir::toNativeSeparators(dagmappe(dag) + u'/' + r));
        indhold << bytes;
    }
    if (!tagBillede(idag()))
        return fejl.arg(QStringLiteral("De nuværende filer kunne ikke gemmes som "
                                       "sikkerhedskopi i mappen\r") +
                        QDir::toNativeSeparators(dagmappe(idag())));
    QDir().mkpath(QDir(m_bruger).filePath(QStringLiteral("Filer")));
    for (qsizetype i = 0; i < navne.size(); ++i) {
        const QString fil = QDir(m_bruger).filePath(navne.at(i));
        if (!skriv(fil, indhold.at(i)))
            return fejl.arg(QStringLiteral("Filen\r") + QDir::toNativeSeparators(fil) +
                            QStringLiteral("\rkunne ikke skrives."));
    }
    if (hel)
        for (const QString& r : nuvaerende())
            if (!navne.contains(r))
                QFile::remove(QDir(m_bruger).filePath(r));
    ryd();
    return {};
}

QString Sikkerhedskopi::nyFejl()
{
    if (!m_fejlet || m_fortalt)
        return {};
    m_fortalt = true;
    return QStringLiteral("Dagens sikkerhedskopi af dine data kunne ikke gemmes i mappen\r%1\r"
                          "Dine ændringer er gemt alligevel.")
        .arg(QDir::toNativeSeparators(rod()));
}
