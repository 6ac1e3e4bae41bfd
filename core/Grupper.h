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
    // Per element: its parameters, a TAB and its start folder; an empty line
    // for none. Same length as programliste once the group is read.
    QStringList parameterliste;

    QString makeFilnavn() const;
    QString makeTekstnavn() const;
    // The active group's parameter file beside its other two; empty when that
    // name is another listed group's element file (lists edited by hand).
    QString makeParameternavn() const;

    // An element's parameters and start folder, and a line of them.
    QString parametre(int index) const;
    QString startmappe(int index) const;
    static QString parameterlinje(QString parametre, QString startmappe);
    // Sets them; returns false when the group cannot keep them (no file name).
    bool saetParametre(int index, const QString& parametre, const QString& startmappe);

    // The part of a group's file names that its name gives. A character that
    // cannot stand in a file name (a separator, ":", control characters and the
    // rest that Windows refuses) is written as "%" and two hex digits, so no
    // name can reach outside the "Filer" folder.
    static QString filnavnsdel(const QString& gruppenavn);

    // Why a name cannot be a new or renamed group's name, in Danish; empty when
    // it can. A name must make a file name, and its files must not be those of
    // another group in `andre` (a name that is another's followed by "tekst",
    // or the reverse). The name itself in the list is not this rule's concern.
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

    // The active group's parameter lines from its file, one per element.
    void hentParametre();

    // Empties the active group: no name, no files, no elements.
    void rydAktiv();

    void tilfoej(const QString& fName, const QString& tekst);
    void fjern(int index);
    // Takes element `fra` out and puts it back so that it ends at place `til`.
    void flyt(int fra, int til);

    // Writes the active group's files, the parameter file only once it exists
    // or holds something, so an old data set stays as it was. The files are
    // replaced together, so that a crash leaves all old or all new. An empty
    // string, or a Danish message naming the file that could not be written;
    // the elements are then read again as the files hold them.
    [[nodiscard]] QString gemAktiv();

    // The rules of the group window. A returned text is the Danish message to
    // show; empty when the step went through.

    // Why `navn` cannot become a new program group; empty when it can. Names
    // compare without regard to case.
    [[nodiscard]] QString nyGruppeFejl(const QString& navn) const;
    // Adds `navn` at the end of the program groups unless nyGruppeFejl says no.
    [[nodiscard]] QString nyGruppe(const QString& navn);
    // The program groups in the user's alphabetical order, case aside; equal
    // names keep their order.
    void sorter();
    // Deletes the active group's files and its place in the list, and empties it.
    // Files that another entry of either list still names are kept.
    // Without an active group nothing happens and the text says so.
    [[nodiscard]] QString sletAktiv();
    // Renames the active group and its two files (never over an existing file;
    // a failed file rename is silent). An empty, unchanged or unlisted name does
    // nothing.
    [[nodiscard]] QString omdoebAktiv(const QString& nyt);
    // Makes group `navn` the active one with the elements its files hold (none
    // when it has no element file).
    void aktiver(const QString& navn);

    // A name listed twice (lists of an older version or edited by hand) is one
    // group: the first entry stays, in the program groups before storage.
    static void fjernDubletter(QStringList& programgrupper, QStringList& lager);

    // Moves the entries at `steder` (ascending) of `fra` to the end of `til`.
    static void flytGrupper(QStringList& fra, QStringList& til, const QList<int>& steder);

    // The storage page's lists saved as the program and storage groups. When
    // the active group went to storage it is emptied (`aktivRyddet`).
    struct Lagerudfald
    {
        QString besked;
        bool aktivRyddet = false;
    };
    Lagerudfald saetLister(const QStringList& programgrupper, const QStringList& lager);

    // The groups stepped to from the selected one (-1: none), wrapping round.
    static int naeste(int valgt, int antal);
    static int forrige(int valgt, int antal);
};
