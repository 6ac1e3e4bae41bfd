#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Keeps the user's data files as they all were on disk before the first change
// of the day, in "Sikkerhedskopier/<YYYY-MM-DD>/" under the same relative names,
// for the newest 14 days, and puts a day's state back.
class Sikkerhedskopi
{
public:
    using Ur = std::function<QDateTime()>;
    // `brugermappe` is the user folder; without a clock the system's is used.
    explicit Sikkerhedskopi(QString brugermappe = {}, Ur ur = {});

    static constexpr int dage = 14;

    // The name under the user folder of a file that is kept ("options.txt",
    // "Filer/Spil.txt"); empty for any other file.
    QString relativtNavn(const QString& filnavn) const;
    QString rod() const;

    // Before the day's first change of a kept file, keeps every kept file as it
    // is now (one that is missing is missing from the copy). False when the
    // copy could not be made; the save that follows goes on all the same.
    bool foerAendring(const QString& filnavn);

    // The days that have a copy, newest first, and their files.
    QList<QDate> kopidage() const;
    QStringList filer(QDate dag) const;

    // Puts the day's files back and removes the kept files it did not hold;
    // the files there now are kept first as today's copy (so a restore is
    // undone by restoring today). An empty string or a Danish message; nothing
    // is put back when the files of now cannot be kept.
    [[nodiscard]] QString gendan(QDate dag);

    // The Danish message for a copy that failed, once a run; empty otherwise.
    QString nyFejl();

private:
    QString dagmappe(QDate dag) const;
    QDate idag() const;
    bool kopier(const QString& fra, const QString& til);
    // The kept files there are now, by their names under the user folder.
    QStringList nuvaerende() const;
    // Every kept file of now as the day's copy, in place of what it held.
    bool tagBillede(QDate dag);
    void ryd();

    QString m_bruger;
    Ur m_ur;
    bool m_fejlet = false;
    bool m_fortalt = false;
};
