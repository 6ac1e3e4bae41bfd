#pragma once

#include "Platform.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QString>

// Chooses an element's icon: the icon file for its extension, the kind icon
// for films, music and pictures, the icon stored in the file, the desktop's
// icon for its type, and last "ukendt". Every file gets one.
class Ikonvalg
{
public:
    enum class Udfald {
        Ikon,    // its own, its kind's or its type's icon
        Ukendt,  // nothing gave an icon: the "ukendt" icon
        Mangler, // the file is gone: the icon its name gives, greyed
    };
    struct Resultat
    {
        Udfald udfald = Udfald::Ukendt;
        QIcon ikon; // never null
    };

    Ikonvalg(const Platform& platform, const QString& ikonDir);

    QString makeIconFilnavn(const QString& str) const;
    Resultat lav(const QString& FNavn) const;
    // "ukendt_ikon.ico", or a built-in picture when the icon folder lacks it.
    QIcon ukendt() const;
    // The icon the platform found in a file; empty when it found none.
    static QIcon ikonAf(const Platform::FileIcon& fundet);
    // The icon drawn as a disabled one, at every size and mode.
    static QIcon graa(const QIcon& ikon);

private:
    // The icon of the name; null when none of the icon files or the desktop
    // gives one.
    QIcon valgt(const QFileInfo& info, bool findes) const;
    // The icon theme's icon for the file's MIME type; null when it has none.
    QIcon typeIkon(const QFileInfo& info, bool findes) const;
    // A theme icon, asked for once a name; null when the theme lacks it.
    QIcon tema(const QString& navn) const;
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
    mutable QHash<QString, QIcon> m_tema;
    QMimeDatabase m_typer;

    const Platform& m_platform;
    QString m_ikonDir;
};
