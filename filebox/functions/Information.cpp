#include "functions/Information.h"

#include "functions/Stinavn.h"

#include <QDir>
#include <QLocale>

std::string TInformation::under(const std::string& mappe, const std::string& navn)
{
    const char skille = QDir::separator().toLatin1();
    if (!mappe.empty() && (mappe.back() == skille || mappe.back() == '/'))
        return mappe + navn;
    return mappe + skille + navn;
}

void TInformation::getDirInfo(const QString& dir)
{
    taelMappe(Stinavn::bytes(dir));
}

void TInformation::taelMappe(const std::string& mappe)
{
    // The platform's own listing: names that are not UTF-8 are counted too.
    // What cannot be read counts nothing here; the copy names it.
    for (const Platform::TreeEntry& e :
         platform.readFolder(mappe).value_or(std::vector<Platform::TreeEntry>())) {
        if (e.kind != Platform::TreeEntry::Folder) {
            totalSize += e.size;
            ++antalFiler;
            continue;
        }
        ++antalMapper;
        Progressvindue->setIndlaeste(QString::number(antalMapper));
        Progressvindue->setAktivPosition(antalMapper);
        Progressvindue->opdater();
        taelMappe(under(mappe, e.name));
    }
}

qint64 TInformation::getFilensSize(const QString& path) const
{
    const std::string sti = Stinavn::bytes(path);
    const std::int64_t size = platform.readableSize(sti);
    if (size < 0)
        throw Laesefejl(sti);
    return size == 0 ? 1 : size;
}

QString TInformation::sizeText(qint64 size)
{
    // The summary stops at GB.
    return enhedstekst(size, 3);
}

void TInformation::udskrivInfo(bool kopiering)
{
    const QLocale sprog;
    QString linje;
    if (kopiering) {
        linje = QStringLiteral("Der kopieres ") + sprog.toString(antalFiler) +
                (antalFiler == 1 ? QStringLiteral(" fil fra ") : QStringLiteral(" filer fra ")) +
                sprog.toString(antalMapper) +
                (antalMapper == 1 ? QStringLiteral(" mappe: ") : QStringLiteral(" mapper: "));
    } else {
        linje = QStringLiteral("Der slettes ") + sprog.toString(antalFiler) +
                (antalFiler == 1 ? QStringLiteral(" element: ") : QStringLiteral(" elementer: "));
    }
    Progressvindue->setInfo(linje + sizeText(totalSize));
    Progressvindue->setResterende(sprog.toString(antalFiler));
    Progressvindue->opdater();
}

int TInformation::samletProcent(qint64 bytes) const
{
    if (totalSize <= 0)
        return 100;
    // A file that grew while it was copied must not carry the bar past its end.
    return std::clamp(
        static_cast<int>(static_cast<double>(bytes) * 100.0 / static_cast<double>(totalSize)), 0,
        100);
}

int TInformation::progressInfo(qint64 delta)
{
    posSize += delta;
    const int procent = samletProcent(posSize);
    Progressvindue->setProcent(QString::number(procent) + u'%');
    --antalFiler;
    Progressvindue->setResterende(QLocale().toString(antalFiler));
    Progressvindue->opdater();
    return procent;
}
