#pragma once

#include "Vinduer.h"

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QToolButton;
class QTreeView;
class Afkrydsning;
class Hub;

// "Administrer grupper og elementer": works directly on the main window's groups.
class Tboksform : public QWidget, public Gruppevindue
{
    Q_OBJECT
public:
    explicit Tboksform(Hub& hub, QWidget* parent = nullptr);

    QWidget* vindue() override { return this; }
    void SkiftGruppe(int Index) override;
    void MoveProgram(int Fra, int Til) override;
    int valgtGruppe() const override;
    void visSide(int side) override;
    void fokuserGruppenavn() override;
    void visGruppenavn(const QString& gruppenavn) override;
    void visElementSti(const QString& sti) override;
    void visIkon(const QIcon& ikon) override;
    void elementSlettet() override;
    bool gemVentendeLager() override;
    void setBilleder(bool moerk) override;
    void visValgtFil(const QString& fil) override;
    void genfyldLister() override;

    // The long part of the hint under the mouse, in the status bar.
    void HintInfo(const QString& hint);

    // "Grupper"
    void nyGruppeKnapClick();
    void sorterKnapClick();
    void sletKnapClick();
    void redigerKnapClick();
    // "Indfør element"
    void filnavnKnapClick();
    void insertKnapClick();
    // "Fjern eller rediger element"
    void fjernKnapClick();
    void nytekstKnapClick();
    void indexKnapClick();
    void programBoksClick();
    // The chosen element's parameters and start folder, saved with the group.
    void parametreKnapClick();
    void startmappeKnapClick();
    // "Administrer grupper"
    void AvalgteTilLagerExecute();
    void AalleTilLagerExecute();
    void AvalgteTilbageExecute();
    void AalleTilbageExecute();
    void AflytOpExecute();
    void AflytNedExecute();
    void AgemForandringerExecute();

    QTabWidget* Bog = nullptr;
    QStatusBar* infoBar = nullptr;

    QListWidget* gruppeBoks = nullptr;
    QLineEdit* gEdit = nullptr;
    QPushButton* nyGruppeKnap = nullptr;
    QToolButton* sorterKnap = nullptr;
    QLineEdit* valgtGruppeEdit = nullptr;
    QPushButton* sletKnap = nullptr;
    QPushButton* redigerKnap = nullptr;
    QToolButton* sbInformationsKnap = nullptr;

    QLineEdit* FilnavnEdit = nullptr;
    QPushButton* filnavnKnap = nullptr;
    QLineEdit* tekstEdit = nullptr;
    QLabel* Image = nullptr;
    QPushButton* insertKnap = nullptr;
    QLineEdit* gruppeEdit = nullptr;
    QToolButton* sbInfo2 = nullptr;

    QTreeView* programBoks = nullptr;
    Afkrydsning* afkrydsning = nullptr; // programBoks's elements with their check boxes
    QPushButton* fjernKnap = nullptr;
    QLineEdit* nytekstEdit = nullptr;
    QPushButton* nytekstKnap = nullptr;
    QLineEdit* fraEdit = nullptr;
    QSpinBox* UpDown1 = nullptr;
    QLineEdit* tilEdit = nullptr; // the text field of UpDown1
    QPushButton* indexKnap = nullptr;
    QLineEdit* gNameEdit = nullptr;
    QToolButton* sbInfo1 = nullptr;
    QLineEdit* parametreEdit = nullptr;
    QLineEdit* startmappeEdit = nullptr;
    QToolButton* startmappeKnap = nullptr;
    QPushButton* parametreKnap = nullptr;

    QListWidget* Box = nullptr;
    QListWidget* lagerBox = nullptr;
    QToolButton* sbInformation = nullptr;
    QAction* AvalgteTilLager = nullptr;
    QAction* AvalgteTilbage = nullptr;
    QAction* AalleTilLager = nullptr;
    QAction* AalleTilbage = nullptr;
    QAction* AflytOp = nullptr;
    QAction* AflytNed = nullptr;
    QAction* AgemForandringer = nullptr;

    bool MusNede = false;
    int fraI = -1;
    int tilI = -1;
    bool listerModified = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Unsaved storage changes are saved or dropped as the user answers, never
    // left behind for a later refill of the tab to mix with.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* lavGruppeside();
    QWidget* lavIndfoerside();
    QWidget* lavRedigerside();
    QWidget* lavLagerside();
    // The fields of an element's parameters and start folder, below the rest of its page.
    QWidget* lavParameterfelter();
    // The fields show the chosen element's values; empty and disabled without one.
    void visParametre();
    QToolButton* informationsKnap(const QString& navn, const QString& emne);
    QAction* lageraktion(QWidget* side, const QString& knapnavn, const char* billede,
                         const QString& hint, void (Tboksform::*udfoer)());

    // The active group's element count in the status bar; nothing without a group.
    void visAntal();
    // The group list changed: save it, show it and let the main window follow.
    void gruppelisteAendret();
    // The storage tab's lists changed and are not saved yet.
    void lagerAendret();
    // Which of the storage tab's actions can run now.
    void opdaterLager();
    void BogChanging(int forrige);
    void BogChange(int side);
    // Wrapped texts take more lines than the layout's minimum counts on; the
    // window grows until the page shown has every line.
    void passHoejde();
    void programBoksMouseDown(const QPoint& sted);
    void programBoksMouseUp(const QPoint& sted);
    // Selects group `Index` of the list and writes its name in the fields.
    void markerGruppe(int Index);
    // The group list as the main window has it, the active group selected.
    void fyldGruppeBoks();
    // The place of the selected element; -1 when none is selected.
    int valgtElement() const;
    QString elementtekst(int raekke) const;

    Hub& m_hub;
    int m_side = 0;
};
