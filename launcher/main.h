#pragma once

#include "Beskeder.h"
#include "DataMapper.h"
#include "Filvagt.h"
#include "Grupper.h"
#include "Hub.h"
#include "MenuFiler.h"
#include "Options.h"
#include "Sikkerhedskopi.h"
#include "Vinduer.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <functional>
#include <memory>

class Ballonhint;
class Platform;
class QAction;
class QComboBox;
class QCompleter;
class QDragEnterEvent;
class QDropEvent;
class QHeaderView;
class QSystemTrayIcon;
class QToolBar;
class QToolButton;
class QAbstractButton;
class QListView;
class Elementmodel;
class QMenu;
class Starter;
class Globalgenvej;
class Ikonvalg;
class QScrollArea;
class QStackedWidget;
class QBoxLayout;
class Soegefelt;
class Soegning;

// The main window and hub: it holds the user's folders, options and groups,
// and the other windows reach each other through it.
class Tmainform : public QMainWindow, public Hub
{
    Q_OBJECT
public:
    explicit Tmainform(Platform& platform, QWidget* parent = nullptr);
    ~Tmainform() override;

    // The other windows, made after this one; set once before the loop runs.
    void setVinduer(Vinduer& vinduer);
    // True from creation until the first activation has run.
    bool opstart() const { return m_opstart; }
    // Windows made before the message boxes may keep this; it reaches the boxes,
    // made by the first message.
    Beskeder& beskeder() const override { return m_beskeder; }
    Platform& platform() const override { return m_platform; }

    // Fixed for the whole run.
    const DataMapper& mapper() const override { return m_mapper; }
    const Options& indstillinger() const override { return opts; }
    Options& indstillinger() { return opts; }
    Grupper& grupperne() override { return grupper; }
    Elementmodel& elementmodel() override { return *elementer; }
    TReopenFiler& senesteMapper() override { return ReopenDir; }
    Globalgenvej& globalgenvej() override;
    QWidget& hovedvindue() override { return *this; }

    QString makeFilnavn() const { return grupper.makeFilnavn(); }
    QString makeTekstnavn() const { return grupper.makeTekstnavn(); }
    void LoadProgramBoks(bool beggeBokse) override;
    void insertItem(const QString& fName, QString Tekst, bool beggeBokse) override;
    void deleteItem();
    void AfremExecute();
    void AtilbageExecute();
    void HelpInfo(const QString& S) override;
    // Shows the group window when hidden, leaving the keyboard where it is.
    void visAdministration() override;
    // The file box, shown and raised; its first showing lists its folder.
    void visFilboks();
    // Shows, raises and activates a window.
    static void visVindue(QWidget* vindue);
    // This window brought back to the user: from the tray, minimised or behind others.
    void visForrest();
    // A recent folder was chosen: the file box lists it.
    void ReopenDirKlik(QAction* Sender, const QString& Filnavn);
    // The about box, centred on `over`.
    void visOmProgrammet(const QWidget* over) override;
    void runApplets(const QString& aFilename) override;
    void ErrorInfo(unsigned Nr) override;

    // Reads a list of at most `hoejst` bytes; a file that cannot be read is an
    // empty list, named in the next visUlaeselige and not written over until
    // what it holds changes (filvagt).
    QStringList hentListe(const QString& filnavn, qint64 hoejst) override;
    Filvagt& filvagt() override { return m_filvagt; }
    // The files found unreadable since the last time, in one message.
    void visUlaeselige() override;
    // Makes a window after the start: the files it could not read are told
    // now, and the place it takes is no change to an unreadable options file.
    void lavVindue(const std::function<void()>& lav);
    // Saves a list, telling the user in Danish when the file could not be written.
    bool gemListe(const QString& filnavn, const QStringList& linjer) override;
    // Saves the active group's two files the same way.
    bool gemAktivGruppe() override;
    // Sets which actions can run now.
    void opdaterAktioner() override;
    Sikkerhedskopi& sikkerhedskopi() override { return m_kopi; }
    bool gendanData(const QDate& dag) override;

    void HentOptions();
    void GemOptions();
    // Saves what closing the window saves. The end of a session may be told
    // more than once (the log-out, then the quit): a state already saved this
    // way is not written again.
    void gemVedAfslutning();
    // The end of the session (a signal, the log-out, the display gone): the
    // changes windows hold unsaved are saved unasked, then as above.
    void gemVedSessionsslut();
    // The display is gone: from now on a message is written to the error
    // output, as no window can show it.
    void udenSkaerm() { m_beskeder.udenSkaerm = true; }
    // The lines GemOptions writes, from the windows' places now.
    QStringList optionLinjer();
    void setProgramForm(bool value);
    void aMenuVisExecute();

    // The panel's look and the toolbar, as the properties window sets them.
    void setVisning(Options::Visning visning) override;
    void setSkriftstoerrelse(int punkter) override;
    // The panel's pictures and cells sized to its font and texts, so none is cut.
    void tilpasGitter();
    void setRedskabslinje(bool vis) override;
    void setRedskabslinjePlacering(Options::Placering placering) override;
    void huskPanelplads() override;
    void skiftDesign(const QString& navn) override;
    // Fills a design box with every design and selects the one in force.
    void loadDesign(QComboBox* designBox) const override;
    // The window caption and the report view's column heading.
    void setOverskrift(const QString& navn) override;

    // The open dialog in `initDir`; the chosen file, which moves `initDir` to
    // its folder, or empty when cancelled.
    QString vaelgElementfil() override;
    void aStifinderExecute();
    void insertFromStifinderExecute();
    // The light or the dark pictures, as the design is.
    void setImageList();
    const QList<QIcon>& billeder() const { return ImageList; }
    void loadMenuPanel();
    static QString getCap(const QString& name);
    // The strip's buttons from left to right: the fixed ones, then one per group.
    QList<QToolButton*> stripknapper() const;
    // The keyboard in the view shown: the panel, or the strip's active group.
    void fokuserVisning();
    void buttonClick(int tag);

    // Find as you type over every program group: the field above the panel,
    // or in the strip in the menu view. The results are shown by a model of
    // their own, so nothing the search shows reaches the active group's files.
    void visSoegning();
    void afslutSoegning();
    bool soeger() const;
    void soeg(const QString& tekst);
    // Every element of the active group, by the launching rules.
    void startAlleIGruppen();
    // The search field, for tests and the accessibility walk.
    Soegefelt* soegefelt() const { return m_soegefelt; }

    // The place of the selected element; -1 when none is selected.
    int valgtElement() const;
    // Shows a file's icon in the group window's picture. The user who has just
    // picked the file (`valgt`) is told when it gives no icon at all.
    void PutInIkonliste(const QString& FNavn, bool valgt) override;
    QString makeIconFilnavn(const QString& str) const;

protected:
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormShow();
    void FormActivate();
    Gruppevindue* lavetBoks() const { return m_vinduer ? m_vinduer->lavetBoks() : nullptr; }
    // Saves the storage tab's pending changes; true when there were some.
    bool gemVentendeLager() const;
    // After a save: what could not be saved, or else a day's copy that could
    // not be made (told once).
    void visGemning(const QString& fejl);
    // The program and storage groups from their files, a name listed twice once.
    void hentGruppelister();
    void FormCloseQuery();
    void FormClose();
    QWidget* lavTopPanel();
    QWidget* lavPanel();
    void lavRedskabslinje();
    // The hints of the buttons that change with their actions' state.
    void skiftendeHint(QAbstractButton* knap);
    void lavTrayIcon();
    // The strip's keys: the arrows move along it, Down or Enter opens a group's list.
    bool stripTast(QToolButton* knap, QEvent* event);
    // The popup menu at a place; without one (from the keyboard), at the
    // element or button in focus.
    void visPopupMenu(QPoint sted);
    void lavAktioner();
    void lavReopenDir();
    void lavPopupMenu();
    QAction* aktion(const char* navn, const QString& caption, const QString& hint,
                    const QKeySequence& genvej = {});
    void lavSoegning();
    void placerSoegefelt();
    void flytSoegevalg(int retning);
    void startSoegevalg();
    void startSoegeresultat(int raekke);
    void visSoegeliste();
    // The model the panel shows: the active group's, or the search results.
    Elementmodel& vistModel() const;
    void visModel(Elementmodel* model);
    void programBoksClick();
    void programBoksDblClick();
    void menuClick(QAction* punkt);
    void programBoksKeyUp(int tast);
    void programBoksMouseDown(const QPoint& sted);
    void programBoksMouseUp(const QPoint& sted);

    Platform& m_platform;
    DataMapper m_mapper;
    Filvagt m_filvagt;
    Sikkerhedskopi m_kopi;
    std::unique_ptr<Ikonvalg> m_ikonvalg;
    Vinduer* m_vinduer = nullptr;
    class Viderestilling : public Beskeder
    {
    public:
        void besked(const QString& tekst) override
        {
            if (udenSkaerm)
                qWarning("%s", qUtf8Printable(tekst));
            else if (vinduer)
                vinduer->beskeder().besked(tekst);
        }
        bool spoerg(const QString& tekst) override
        {
            return !udenSkaerm && vinduer && vinduer->beskeder().spoerg(tekst);
        }
        QString aabenFil(const QString& mappe) override
        {
            return vinduer ? vinduer->beskeder().aabenFil(mappe) : QString();
        }
        Vinduer* vinduer = nullptr;
        bool udenSkaerm = false;
    };
    mutable Viderestilling m_beskeder;
    std::unique_ptr<Starter> m_starter;
    std::unique_ptr<Globalgenvej> m_genvej;
    QStackedWidget* visninger = nullptr;
    QWidget* m_gruppeknapper = nullptr;
    bool m_opstart = true;
    bool m_vist = false;
    QStringList m_gemtVedAfslutning;
    int m_dropTag = -1;

    Options opts;
    Grupper grupper;
    TReopenFiler ReopenDir;
    QList<QIcon> ImageList;
    QListView* programBoks = nullptr;
    // The active group's elements, as the panel, the menu view and the group window show them.
    Elementmodel* elementer = nullptr;
    Elementmodel* m_soegemodel = nullptr;
    std::unique_ptr<Soegning> m_soegning;
    Soegefelt* m_soegefelt = nullptr;
    QCompleter* m_soegeliste = nullptr;
    QBoxLayout* m_panelLag = nullptr;
    QBoxLayout* m_stripLag = nullptr;
    QHeaderView* kolonne = nullptr; // the report view's column heading
    QToolBar* toolBar = nullptr;
    QToolButton* filboksButton = nullptr;
    QToolButton* appletsButton = nullptr;
    Ballonhint* BalloonHint = nullptr;
    QSystemTrayIcon* TrayIcon = nullptr;
    QWidget* topPanel = nullptr;
    QWidget* knapPanel = nullptr;
    QScrollArea* ButBox = nullptr;
    QMenu* dropDown = nullptr;
    QMenu* PopupMenu = nullptr;
    int clickIndex = -1;
    bool MusNede = false;
    int fraI = -1;
    int tilI = -1;

    QAction* aInfo = nullptr;
    QAction* mVinfo = nullptr;
    QAction* aProgrammer = nullptr;
    QAction* aEgenskaber = nullptr;
    QAction* aGrupper = nullptr;
    QAction* aElementer = nullptr;
    QAction* aRedigeElementer = nullptr;
    QAction* aLager = nullptr;
    QAction* Atilbage = nullptr;
    QAction* Afrem = nullptr;
    QAction* aGo = nullptr;
    QAction* aMenuVis = nullptr;
    QAction* aStifinder = nullptr;
    QAction* insertFromStifinder = nullptr;
    QAction* aSoeg = nullptr;
    QAction* aStartAlle = nullptr;
    QAction* mLuk = nullptr;
};
