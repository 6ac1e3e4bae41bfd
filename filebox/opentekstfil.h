#pragma once

#include "Vinduer.h"

#include <QStringList>
#include <QWidget>

class Filliste;
class Platform;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QTabBar;
class QToolBar;
class QToolButton;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class Tbilledform;
class TfileExistsForm;
class Tfilinfoform;
class THandlinger;
class TMakeStrukturer;
class Tkopieringsform;
class Tprogressform;
class Hub;

// "Filboksen": lists one folder at a time, with a folder history, drive and
// special-folder menus, the recent folders and path tabs. The logic is `funk`.
class Topenfilform : public QWidget, public Filboksvindue
{
    Q_OBJECT
public:
    Topenfilform(Hub& hub, Platform& platform, Tbilledform& billedform, QWidget* parent = nullptr);
    ~Topenfilform() override;

    QWidget* vindue() override { return this; }
    void visMappe(const QString& mappe) override;

    // Bound to the logic's onDirectoryChange.
    void mappenChange(const QString& dirDir, const QString& fileDir, const QString& grundDir,
                      const QString& aFilnavn);
    // Lists the current folder again, after its entries were changed elsewhere.
    void updateStrukturer();
    // "Der blev slettet 3 elementer." in the status bar, and how many could not
    // be; kinds 0 to 5 as statustekst. Nothing done clears the status bar.
    void HandlingsInfo(int kind, int count, int fejlede = 0);
    // 0 copied, 1 cut, 2 pasted, 3 moved, 4 deleted, 5 renamed, 6 taken back, 7 put back
    // from the recycle bin; a count of -1
    // says that none was, for the errors counted.
    static QString statustekst(int kind, int count, int fejlede = 0);
    // Opens a file with its program, or in edit mode with the editor; ".bat" and
    // ".sh" scripts run in a console that stays open.
    void OpenFil(const QString& fil, bool edit);
    void redrawStiboxen();
    void stiboxenChange(int tab);
    void GemOptions() const;
    // The five lines of the option file, from the window as it is now.
    QStringList optionLinjer() const;
    // The properties window that "Vis egenskaber" and "Drevinformation" fill.
    void setFilinfoform(Tfilinfoform& form);

    THandlinger* funk = nullptr;
    bool opstart = true;
    QString optFilnavn;
    bool mayCopy = false;
    bool mayDoIt = false;
    bool nyMappeErOprettet = false;
    bool klipAfterCopy = false;
    QString OldNodeTekst;
    QString sourceDir;
    QString destDir;
    QStringList stiArray;

    // Fills the drive menu with the drives' items, each listing its drive.
    static void makeDrevTekstMenu(QMenu* PUdrevene, TMakeStrukturer& funk,
                                  const QList<QIcon>& AImageDirliste);

    // The windows the file operations ask and report through, made at program start.
    void setOperationsvinduer(Tkopieringsform& kopiering, Tprogressform& progress,
                              TfileExistsForm& fileExists);

    QToolBar* ToolBar2 = nullptr;
    QToolButton* infoKnap = nullptr;
    QToolButton* drevKnap = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QToolButton* opdaterKnap = nullptr;
    QToolButton* ButtonFirstMappe = nullptr;
    QToolButton* ButtonPrevMappe = nullptr;
    QToolButton* ButtonNextMappe = nullptr;
    QToolButton* ButtonLastMappe = nullptr;
    QTabBar* stiboxen = nullptr;
    QWidget* leftPanel = nullptr;
    QToolButton* insertButton = nullptr;
    Filliste* openbox = nullptr;
    // Under the list while the user filters it by typing.
    QLineEdit* filterFelt = nullptr;
    QStatusBar* Info = nullptr;

    QMenu* PUfilbox = nullptr;
    QMenu* PUinfo = nullptr;
    QMenu* PUdrevene = nullptr;
    QMenu* PUkendte = nullptr;
    QMenu* MReopendir = nullptr;
    QMenu* smFavoritter = nullptr;
    QAction* mDir = nullptr;
    QAction* mInsertInSenesteMapper = nullptr;

    QAction* aCopy = nullptr;
    QAction* aKlip = nullptr;
    QAction* aPaste = nullptr;
    QAction* aFortryd = nullptr;
    QAction* aDelete = nullptr;
    QAction* aDeletePermanent = nullptr;
    QAction* aGendan = nullptr;
    QAction* aRename = nullptr;
    QAction* aNyMappe = nullptr;
    QAction* aMarkerAlt = nullptr;
    QAction* aMarkerIngen = nullptr;
    QAction* aMarkerInvers = nullptr;
    QAction* aEmptyRB = nullptr;
    QAction* Agofile = nullptr;
    QAction* aRediger = nullptr;
    QAction* aRedigerDokument = nullptr;
    QAction* aVisBillede = nullptr;
    QAction* aHTMLfilmliste = nullptr;
    QAction* aHTMLmusikliste = nullptr;
    QAction* aHTMLbilledliste = nullptr;
    QAction* aEleEgenskaber = nullptr;
    QAction* aDrevinfo = nullptr;
    QAction* aOpenAktuelleMappe = nullptr;
    QAction* aMappeOp = nullptr;
    QAction* aTilbage = nullptr;
    QAction* aFrem = nullptr;

    // The buttons and menus of the toolbars act on these.
    void insertButtonClick();
    void aVisBilledeExecute();
    // The selection changed, or a node was clicked: the folder in focus and the file follow it.
    void openboxClick();
    void openboxDblClick();
    void MReopendirClick();
    void mInsertInSenesteMapperClick();
    // The special folders by their captions in the folder menu ("Delte mapper/Musik" for shared).
    void visSpecialmappe(const QString& punkt);
    // "Papirkurv": the recycle bins' items in the list, with their original places.
    void visPapirkurv();
    // Fills "Favoritter" with the user's favourite places, or says there are none.
    void smFavoritterPopup();
    // Sets which actions can run now.
    void opdaterAktioner();
    // The copy and change permissions of the selection, then the actions.
    void beregnTilladelser();
    // An in-place edit of node i ended with this text.
    void openboxEdited(int i, const QString& tekst);
    // A drag of the list's selection dropped on the list, or on a path tab.
    void dropPaaListen(const QPoint& sted);
    void dropPaaFane(int tab);
    // Files dropped from the desktop: pasted as a copy into the folder shown.
    void dropFraSkrivebordet(const QMimeData& traek);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void HentOptions();
    void lavAktioner();
    void lavHandlinger();
    // Whether the drop comes from this file box's own list.
    bool egetTraek(const QMimeData& traek) const;
    bool traekFilter(QObject* watched, QEvent* event);
    // Left and Right on the path tabs show the folder of the tab they move to.
    bool stifaneTast(QEvent* event);
    // The enabled action of this window that a key press or its override asks for.
    QAction* egenGenvej(QEvent* event) const;
    bool egenTast(QEvent* event);
    bool sammeDrev() const;
    // The list and the filter field under it.
    QWidget* lavFilter();
    // A letter typed in the list begins a filter; keys in the field end it.
    bool filterTast(QObject* watched, QEvent* event);
    void lukFilter();
    // The status of a paste, a drop or a drag: moved or pasted, and what failed.
    void indsatInfo(int antal);
    void lavInfoAktioner();
    // A play list page of the selection, asking first when the file's kind is not the list's.
    void HTMLliste(int kind);
    void lavMenuer();
    QWidget* lavToolBar2();
    QWidget* lavLeftPanel();
    QAction* aktion(const char* navn, const QString& caption, const QString& hint,
                    const QString& billede, const QKeySequence& genvej = {});
    void setBilleder(bool moerk) override;
    void openboxMouseDown(const QPoint& sted);

    Hub& m_hub;
    Platform& m_platform;
    QList<QIcon> m_mapperBilleder;
    QList<QIcon> m_drevBilleder;
    QList<std::pair<QAction*, QString>> m_billeder;
    Tkopieringsform* m_kopieringsform = nullptr;
    Tfilinfoform* m_filinfoform = nullptr;
};
