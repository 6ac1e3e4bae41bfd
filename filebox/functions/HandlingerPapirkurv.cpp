// Putting the recycle bin's items back where they were, and deleting them from it for good.
#include "functions/Handlinger.h"

#include "Beskeder.h"
#include "Mappeindhold.h"
#include "functions/Stinavn.h"

namespace {

using Stinavn::bytes;
using Stinavn::tekst;
using Stinavn::vist;

QString hvorfor(const Platform::TrashItem& t, const char* grund)
{
    const QString sti = tekst(t.original.empty() ? Mappeindhold::navnAf(t) : t.original);
    return sti + QStringLiteral(" (") + QString::fromUtf8(grund) + u')';
}

} // namespace

std::vector<Platform::TrashItem> THandlinger::valgteIPapirkurven() const
{
    std::vector<Platform::TrashItem> valgte;
    if (!papirkurvVises() || !Struktur2)
        return valgte;
    for (int i = 0; i < noder().antal(); ++i)
        if (Struktur2->erValgt(i))
            valgte.push_back(noder().element(i));
    return valgte;
}

bool THandlinger::lavMapperTil(const QString& sti)
{
    // The folders missing on the way, made from the top down.
    QStringList mangler;
    for (QString mappe = mappeOver(sti); !mappe.isEmpty() && !erMappe(mappe);
         mappe = mappeOver(mappe)) {
        if (mangler.contains(mappe))
            break;
        mangler.prepend(mappe);
    }
    for (const QString& mappe : std::as_const(mangler))
        if (!platform.makeFolder(bytes(mappe)))
            return false;
    return erMappe(mappeOver(sti));
}

int THandlinger::Gendan()
{
    m_fejlede.clear();
    const std::vector<Platform::TrashItem> valgte = valgteIPapirkurven();
    if (valgte.empty()) {
        beskeder.besked(QStringLiteral("Der er ikke valgt elementer til gendannelse."));
        return 0;
    }
    const Optaget optaget(m_optaget);
    int gendannet = 0;
    for (const Platform::TrashItem& t : valgte) {
        const QString sti = tekst(t.original);
        if (t.original.empty()) {
            m_fejlede << hvorfor(t, "den oprindelige placering er ukendt");
            continue;
        }
        // What lies there now is never replaced unasked, and then only into the bin.
        if (platform.entryOf(t.original).kind != Platform::TreeEntry::Missing) {
            if (!beskeder.spoerg(QStringLiteral("Der findes allerede et element her:\r") +
                                 vist(sti) +
                                 QStringLiteral("\rSkal det erstattes? Det, der ligger der nu, "
                                                "lægges i papirkurven.")))
                continue;
            if (!platform.moveToTrash(t.original)) {
                m_fejlede << hvorfor(t, "stedet er optaget");
                continue;
            }
        }
        if (!lavMapperTil(sti))
            m_fejlede << hvorfor(t, "mappen kunne ikke oprettes");
        else if (!platform.restoreFromTrash(t, t.original))
            m_fejlede << hvorfor(t, "kunne ikke lægges tilbage");
        else
            ++gendannet;
    }
    visPapirkurv();
    fortaelFejl(QStringLiteral("Disse elementer kunne ikke gendannes:"));
    return gendannet == 0 && !m_fejlede.isEmpty() ? -1 : gendannet;
}

int THandlinger::SletFraPapirkurven()
{
    m_fejlede.clear();
    const std::vector<Platform::TrashItem> valgte = valgteIPapirkurven();
    if (valgte.empty()) {
        beskeder.besked(QStringLiteral("Der er ikke valgt elementer til sletning."));
        return 0;
    }
    QStringList filer;
    QStringList mapper;
    for (const Platform::TrashItem& t : valgte)
        (t.folder ? mapper : filer) << tekst(t.original.empty() ? t.id : t.original);
    if (!skalElementerSlettes(QStringLiteral("Papirkurv"), filer, false, mapper))
        return 0;
    const Optaget optaget(m_optaget);
    int slettet = 0;
    for (const Platform::TrashItem& t : valgte) {
        if (platform.deleteFromTrash(t))
            ++slettet;
        else
            m_fejlede << hvorfor(t, "kunne ikke slettes");
    }
    visPapirkurv();
    fortaelFejl(QStringLiteral("Disse elementer kunne ikke slettes:"));
    return slettet == 0 && !m_fejlede.isEmpty() ? -1 : slettet;
}
