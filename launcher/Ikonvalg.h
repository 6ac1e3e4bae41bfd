#pragma once

#include "Platform.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QString>

// Chooses an element's icon: the icon file for its extension, the kind icon
// for films, music and pictures, the icon stored in the file, and last "ukendt".
class Ikonvalg
{
public:
    enum class Udfald {
        Ingen,       // the file is gone: no icon
        IkkeKoerbar, // no icon file, and the file holds no icon
        Ikon,        // `ikon`, which may be empty for a program without one
    };
    struct Resultat
    {
        Udfald udfald = Udfald::Ingen;
        QIcon ikon;
    };

    Ikonvalg(const Platform& platform, const QString& ikonDir)
        : m_platform(platform), m_ikonDir(ikonDir)
    {
    }

    QString makeIconFilnavn(const QString& str) const;
    Resultat lav(const QString& FNavn) const;
    // "ukendt_ikon.ico", or a built-in picture when the icon folder lacks it.
    QIcon ukendt() const;
    // The icon the platform found in a file; empty when it found none.
    static QIcon ikonAf(const Platform::FileIcon& fundet);

private:
    QIcon fraFil(const QString& filnavn) const;
    // An icon file's icon, read again only when the file has changed, so a panel
    // of many elements of one kind reads the file once.
    QIcon indlaes(const QFileInfo& fil) const;

    struct Indlaest
    {
        QDateTime aendret;
        qint64 stoerrelse = 0;
        QIcon ikon;
    };
    mutable QHash<QString, Indlaest> m_indlaest;

    const Platform& m_platform;
    QString m_ikonDir;
};
