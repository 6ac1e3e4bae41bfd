#pragma once

#include <QString>

class Platform;

// The user and the data folders of one run: fixed from start to exit.
struct DataMapper
{
    QString brugernavn;
    QString base;
    QString ikonDir;     // no trailing separator
    QString appletsDir;  // with trailing separator
    QString strukturDir; // with trailing separator
    QString Dir;         // the user folder, no trailing separator
    QString DirFiler;    // with trailing separator
    QString optFilnavn;
    QString reopenFilnavn;
    QString gruppefilnavn;
    QString lagerfilnavn;

    // Chooses the user ("Alle brugere" when the platform has no name) and
    // makes the user folder and its "Filer" folder when they are missing.
    static DataMapper lav(const Platform& platform);

    // Copies the shared folders and files of the installed data set that the
    // base folder lacks; an existing file is never overwritten.
    static void kopierDatasaet(const QString& datasaet, const QString& base);

    // The installed data set beside the executable (../share/tavlum or share/tavlum), empty when absent.
    static QString installeretDatasaet();
};
