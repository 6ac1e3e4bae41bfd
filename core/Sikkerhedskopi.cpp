#include "Sikkerhedskopi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

const QString datoform = QStringLiteral("yyyy-MM-dd");

bool skriv(const QString& filnavn, const QByteArray& bytes)
{
    QSaveFile fil(filnavn);
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (fil.write(bytes) != bytes.size()) {
        fil.cancelWriting();
        return false;
    }
    return fil.commit();
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

bool Sikkerhedskopi::foerAendring(const QString& filnavn)
{
    const QString rel = relativtNavn(filnavn);
    if (rel.isEmpty() || !QFileInfo(filnavn).isFile())
        return true;
    const QString kopi = dagmappe(idag()) + u'/' + rel;
    if (QFileInfo::exists(kopi))
        return true;
    if (!kopier(filnavn, kopi)) {
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
    // Read first: restoring today's copy replaces it by the files of now.
    QList<QByteArray> indhold;
    for (const QString& r : navne) {
        QByteArray bytes;
        if (!laes(dagmappe(dag) + u'/' + r, bytes))
            return fejl.arg(QDir::toNativeSeparators(dagmappe(dag) + u'/' + r));
        indhold << bytes;
    }
    QStringList nu = QDir(m_bruger).entryList(QDir::Files);
    for (const QString& navn : QDir(m_bruger + QStringLiteral("/Filer")).entryList(QDir::Files))
        nu << QStringLiteral("Filer/") + navn;
    for (const QString& r : nu) {
        const QString fil = QDir(m_bruger).filePath(r);
        if (relativtNavn(fil) == r && !kopier(fil, dagmappe(idag()) + u'/' + r))
            return fejl.arg(QStringLiteral("De nuværende filer kunne ikke gemmes som "
                                           "sikkerhedskopi i mappen\r") +
                            QDir::toNativeSeparators(dagmappe(idag())));
    }
    QDir().mkpath(QDir(m_bruger).filePath(QStringLiteral("Filer")));
    for (qsizetype i = 0; i < navne.size(); ++i) {
        const QString fil = QDir(m_bruger).filePath(navne.at(i));
        if (!skriv(fil, indhold.at(i)))
            return fejl.arg(QStringLiteral("Filen\r") + QDir::toNativeSeparators(fil) +
                            QStringLiteral("\rkunne ikke skrives."));
    }
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
