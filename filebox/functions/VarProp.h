#pragma once

#include "functions/Filmodel.h"
#include "functions/Listevalg.h"
#include "functions/Mapper.h"

#include <QStringList>
#include <functional>

// Called after the file list was rebuilt or its selection changed:
// Dirmappe, Bibmappe, Grundmappe, Filnavn.
using TonDirectoryChange = std::function<void(const QString& dDir, const QString& fDir,
                                              const QString& gDir, const QString& fName)>;

// The state that every link of the file box's chain shares.
class TVarProp : public TMapper
{
    Q_OBJECT
public:
    using TMapper::TMapper;

    // The running file operation's totals.
    qint64 totalSize = 0;
    qint64 posSize = 0;
    int antalFiler = 0;
    int antalMapper = 0;
    bool deleteAfterCopy = false;

    QString Filnavn; // the selected file; empty for a folder or nothing
    // The nodes of what is listed, and the selection of the list that shows them.
    Filmodel& noder() { return m_noder; }
    const Filmodel& noder() const { return m_noder; }
    Listevalg* Struktur2 = nullptr;
    QString Dirmappe;       // kept for the folder-tree callers; the file box has no tree
    QString Grundmappe;     // the folder the list shows
    QString Bibmappe;       // the selected folder, else Grundmappe
    QString OldGrundmappe;  // Grundmappe before the last change of folder
    int AktiveStruktur = 2; // 2 is the file list
    QString Brugernavn;
    TonDirectoryChange onDirectoryChange;

protected:
    void fyrDirectoryChange() const;

private:
    Filmodel m_noder;
};
