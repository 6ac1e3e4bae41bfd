#pragma once

#include "functions/FilMappeInfo.h"
#include "functions/Fortryd.h"

#include <QSet>

#include <optional>

// The file operations: copy, cut, paste, delete, rename, new folder, selection.
class THandlinger : public TFilMappeInfo
{
    Q_OBJECT
public:
    using TFilMappeInfo::TFilMappeInfo;

    // Whether the selection may be copied, and cut, deleted or renamed.
    bool canCopy() const;
    bool canDoIt() const;
    // Registers the selection for a later paste; the number of entries selected.
    int CopyElementer();
    void InitRegister();
    // Registers one path dropped from the desktop; false when nothing is there.
    bool RegisterElements(const QString& aElement);
    // Copies, or moves, the register into the folder in focus: 0 nothing done,
    // -1 nothing pasted for errors (told already), else the number of elements pasted.
    int PasteElementer(bool sletAfterCopy);
    // 0 nothing done, -1 nothing deleted for errors (told already), else the entries deleted.
    int DeleteElementer(bool tilPapirkurven);
    // How many elements the last paste or delete could not take, as it told the user.
    int antalFejlede() const { return static_cast<int>(m_fejlede.size()); }
    bool sletFil(const QString& aFilename, bool toPapirkurv);
    // Makes "Ny mappe" (or the first free "Ny mappe (n)") and starts naming it.
    bool NyMappe(const QString& aDirectory);
    // Renames node aNode's entry on disk; the text the node shall show.
    QString RenameNode(int aNode, const QString& oldNodeName, const QString& newNodeName,
                       bool nyMappe);
    // Takes back the last paste, move, rename, new folder or delete to the
    // recycle bin; the elements taken back, -1 when none could be (told already).
    int Fortryd();
    const Fortrydelser& fortrydelser() const { return m_fortryd; }
    // Puts the items chosen in the recycle bin back where they were, asking
    // before anything there is replaced: the elements put back, -1 when none
    // could be (told already), 0 when nothing was done.
    int Gendan();
    // Deletes the items chosen in the recycle bin for good, after the question; counted alike.
    int SletFraPapirkurven();
    // 1 all, 2 none, 3 the inverse.
    void SelectMapperFiler(int actionNumber);
    void EmptyRecycleBin(bool Confirm, const QString& aDrive);
    // After a folder changed: the tree would follow; the file list has no chosen file.
    QString udfoldStruktur1(const QString& aDirectory, bool opfrisk);

    const QStringList& CopyListe1() const { return FCopyListe1; }
    const QStringList& CopyListe2() const { return FCopyListe2; }
    const QStringList& DeleteListe1() const { return FDeleteListe1; }
    const QStringList& DeleteListe2() const { return FDeleteListe2; }
    // True while an operation runs; the window takes no other command then.
    bool optaget() const { return m_optaget; }

    // Writes a play list page of the selected entries into Grundmappe under the
    // first free name and selects it; false when nothing was written.
    bool SkrivTekstfil(const QString& aFilename, int aFiltype);

private:
    // Set while an operation runs, whichever way it ends.
    class Optaget
    {
    public:
        explicit Optaget(bool& flag) : m_flag(flag) { m_flag = true; }
        ~Optaget() { m_flag = false; }
        Optaget(const Optaget&) = delete;
        Optaget& operator=(const Optaget&) = delete;

    private:
        bool& m_flag;
    };
    struct Kopi
    {
        QString kilde; // the folder the file is taken from
        QString navn;
        QString sti() const;
    };
    bool kopierFilEx(const std::string& source, const std::string& target);
    // Reads the source's entries, makes the target and copies them into it.
    bool kopierMappeEx(const std::string& source, const std::string& target);
    // Splits the files into those new at the destination (fList) and those there already (eList).
    void makeLister(const QString& destDir, const QList<Kopi>& names);
    // The number of files copied.
    int kopierFiler(const QString& destDir, bool toPapirkurv, const QList<Kopi>& names);
    bool sletMappe(const QString& path, bool toPapirkurv);
    static QString DirKontrol(const QString& path);
    std::vector<Platform::TrashItem> valgteIPapirkurven() const;
    // Makes the folders missing above `sti`; false when its folder is not there then.
    bool lavMapperTil(const QString& sti);
    // Whether two paths lead to one folder.
    bool sammeMappe(const QString& a, const QString& b) const;
    // Whether the destination lies outside every registered folder.
    bool udenforKilden(const QString& destination) const;
    void huskOmdoebning(const QString& fra, const QString& til, bool nyMappe);
    // Names what failed, once, after the operation.
    void fortaelFejl(const QString& overskrift);
    // The bytes of each folder and each file an operation takes, in their order.
    struct Optaelling
    {
        QList<qint64> mapper;
        QList<qint64> filer;
    };
    // Counts what an operation takes into the progress window, which it opens;
    // nothing, with the window closed and `laesefejl` told, when a folder cannot be read.
    std::optional<Optaelling> taelOp(bool kopiering, const QStringList& mapper,
                                     const QStringList& filer, const QString& laesefejl);
    // Tells what failed under `overskrift`; -1 when that was everything, else `udfoert`.
    int afslut(const QString& overskrift, int udfoert);

    QList<Kopi> fList;
    QList<Kopi> eList;
    QString SourceMappe;
    QString SourceDirectory;
    QStringList FCopyListe1;
    QStringList FCopyListe2;
    QStringList FCopyKilder; // each registered file's own folder
    QStringList FDeleteListe1;
    QStringList FDeleteListe2;
    QStringList m_fejlede;
    QSet<QString> m_lavet; // targets this paste has made
    QString m_sidsteMaal;  // where the last file copied went
    Fortrydelser m_fortryd{platform};
    Fortrydelser::Handling m_handling; // the running paste, to take back later
    bool m_optaget = false;
};
