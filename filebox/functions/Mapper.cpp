#include "functions/Mapper.h"

#include "functions/Stinavn.h"

#include <QDir>

using S = Platform::SpecialFolder;

TMapper::TMapper(Platform& aPlatform, Beskeder& aBeskeder, QObject* AOwner)
    : QObject(AOwner), platform(aPlatform), beskeder(aBeskeder)
{
}

QString TMapper::rodmappe()
{
    return QDir::rootPath();
}

TMapper::Opslag TMapper::skalmappe(S hvilken, const QString& fejl) const
{
    const QString mappe = Stinavn::tekst(platform.specialFolder(hvilken));
    return mappe.isEmpty() ? Opslag{{}, fejl} : Opslag{mappe, {}};
}

TMapper::Opslag TMapper::GetMyDesktop() const
{
    return skalmappe(S::Desktop, QStringLiteral("Kunne ikke finde skrivebordsmappen."));
}

TMapper::Opslag TMapper::GetMyDocuments() const
{
    return skalmappe(S::Documents, QStringLiteral("Kunne ikke finde dokumentmappen."));
}

TMapper::Opslag TMapper::GetMyMusic() const
{
    return skalmappe(S::Music, QStringLiteral("Kunne ikke finde musikmappen."));
}

TMapper::Opslag TMapper::GetMyPictures() const
{
    return skalmappe(S::Pictures, QStringLiteral("Kunne ikke finde billedmappen."));
}

TMapper::Opslag TMapper::GetMyVideo() const
{
    return skalmappe(S::Videos, QStringLiteral("Kunne ikke finde videomappen."));
}

TMapper::Opslag TMapper::GetMyFavorit() const
{
    return skalmappe(S::Favorites, QStringLiteral("Kunne ikke finde favoritmappen."));
}

QList<TMapper::Sted> TMapper::GetMyFavoritter() const
{
    QList<Sted> steder;
    if (const Opslag mappe = GetMyFavorit(); mappe.fejl.isEmpty())
        steder.append({QStringLiteral("Favoritter"), mappe.mappe});
    for (const Platform::Place& p : platform.favoritePlaces())
        if (platform.statusOf(p.path).folder)
            steder.append({Stinavn::tekst(p.caption), Stinavn::tekst(p.path)});
    return steder;
}

TMapper::Opslag TMapper::GetMyApp() const
{
    return skalmappe(S::LocalAppData, QStringLiteral("Kunne ikke finde programmappen."));
}

TMapper::Opslag TMapper::GetStartMenuPrograms() const
{
    return skalmappe(S::StartMenuPrograms, QStringLiteral("Kunne ikke finde startmenumappen."));
}

TMapper::Opslag TMapper::GetCommonDocuments() const
{
    return skalmappe(S::CommonDocuments,
                     QStringLiteral("Kunne ikke finde dokumentmappen for alle brugere."));
}

TMapper::Opslag TMapper::GetCommonMusic() const
{
    return skalmappe(S::CommonMusic,
                     QStringLiteral("Kunne ikke finde musikmappen for alle brugere."));
}

TMapper::Opslag TMapper::GetCommonPictures() const
{
    return skalmappe(S::CommonPictures,
                     QStringLiteral("Kunne ikke finde billedmappen for alle brugere."));
}

TMapper::Opslag TMapper::GetCommonVideo() const
{
    return skalmappe(S::CommonVideos,
                     QStringLiteral("Kunne ikke finde videomappen for alle brugere."));
}

QString TMapper::brugermappe(const QString& TheUsername, S hvilken) const
{
    // Only the running user's own folders are known; anyone else's lead to the root.
    const QString mappe = TheUsername == QString::fromStdString(platform.userName())
                              ? Stinavn::tekst(platform.specialFolder(hvilken))
                              : QString();
    return mappe.isEmpty() ? rodmappe() : mappe;
}

QString TMapper::GetMyDownLoad(const QString& TheUsername) const
{
    return brugermappe(TheUsername, S::Downloads);
}

QString TMapper::GetMyKontakter(const QString& TheUsername) const
{
    return brugermappe(TheUsername, S::Contacts);
}
