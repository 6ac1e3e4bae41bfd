#pragma once

#include "Platform.h"

#include <QList>
#include <QObject>
#include <QString>

class Beskeder;

// The root of the file box's logic: the special folders of the user and the
// machine, and the services every later link of the chain works through.
class TMapper : public QObject
{
    Q_OBJECT
public:
    // A folder found, or the Danish text that says it could not be.
    struct Opslag
    {
        QString mappe;
        QString fejl;
    };

    TMapper(Platform& platform, Beskeder& beskeder, QObject* AOwner = nullptr);

    Opslag GetMyDesktop() const;
    Opslag GetMyDocuments() const;
    Opslag GetMyMusic() const;
    Opslag GetMyPictures() const;
    Opslag GetMyVideo() const;
    Opslag GetMyFavorit() const;
    // A place to go, by its caption.
    struct Sted
    {
        QString caption;
        QString mappe;
        bool operator==(const Sted&) const = default;
    };
    // The user's favourite places that are there: the favourites folder where
    // the system keeps one, then the file managers' bookmarks.
    QList<Sted> GetMyFavoritter() const;
    Opslag GetMyApp() const;
    Opslag GetStartMenuPrograms() const;
    Opslag GetCommonDocuments() const;
    Opslag GetCommonMusic() const;
    Opslag GetCommonPictures() const;
    Opslag GetCommonVideo() const;
    // The user's folders of these names; the system drive's root when missing.
    QString GetMyDownLoad(const QString& TheUsername) const;
    QString GetMyKontakter(const QString& TheUsername) const;

    // The root of the system drive, listed when nothing better is known.
    static QString rodmappe();

protected:
    Platform& platform;
    Beskeder& beskeder;

private:
    Opslag skalmappe(Platform::SpecialFolder hvilken, const QString& fejl) const;
    QString brugermappe(const QString& TheUsername, Platform::SpecialFolder hvilken) const;
};
