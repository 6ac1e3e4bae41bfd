#pragma once

#include <QString>
#include <QStringList>

class Filvagt;

// The program groups, the storage groups and the active group with its
// elements: an element is a file name and a text at the same place of
// `programliste` and `tekstliste`.
class Grupper
{
public:
    QString DirFiler; // the user's "Filer" folder, with trailing separator
    // Keeps a group file that could not be read from being written over; none for a list used
    // alone.
    Filvagt* vagt = nullptr;

    QStringList gruppeliste;
    QStringList lagerliste;
    QString gruppenavn;
    QString filnavn;
    QString tekstnavn;
    QStringList programliste;
    QStringList tekstliste;

    QString makeFilnavn() const;
    QString makeTekstnavn() const;

    // The part of a group's file names that its name gives. A character that
    // cannot stand in a file name (a separator, ":", control characters and the
    // rest that Windows refuses) is written as "%" and two hex digits, so no
    // name can reach outside the "Filer" folder.
    static QString filnavnsdel(const QString& gruppenavn);

    // Why a name cannot be a new or renamed group's name, in Danish; empty when
    // it can. A name must make a file name, and its files must not be those of
    // another group in `andre` (a name that is another's followed by "tekst",
    // or the reverse). A name already in the list is allowed: both share files.
    static QString navnFejl(const QString& navn, const QStringList& andre);

    // The extension of a file's own name from its last "." on, dot included,
    // in lower case; empty when the name has no dot.
    static QString udvidelse(const QString& fName);

    // An element's text when it has none: its file name without folder and extension.
    static QString standardTekst(const QString& fName);

    // Reads the active group's two files into the lists, if its element file
    // exists (returns whether it did). Elements without a text get
    // standardTekst; texts beyond the last element are left out. The files
    // are not touched; one that cannot be read counts as empty.
    bool hentAktiv();

    // Empties the active group: no name, no files, no elements.
    void rydAktiv();

    void tilfoej(const QString& fName, const QString& tekst);
    void fjern(int index);
    // Takes element `fra` out and puts it back so that it ends at place `til`.
    void flyt(int fra, int til);

    // Writes both files of the active group; an empty string, or a Danish
    // message naming the file that could not be written.
    [[nodiscard]] QString gemAktiv();

    // The groups stepped to from the selected one (-1: none), wrapping round.
    static int naeste(int valgt, int antal);
    static int forrige(int valgt, int antal);
};
