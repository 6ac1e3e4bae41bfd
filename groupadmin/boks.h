#pragma once

#include "Vinduer.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;
class QLineEdit;
class QListWidget;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class Tmainform;

// "Administrer grupper og elementer": works directly on the main window's groups.
class Tboksform : public QWidget, public Gruppevindue
{
    Q_OBJECT
public:
    explicit Tboksform(Tmainform& hub, QWidget* parent = nullptr);

    QWidget* vindue() override { return this; }
    void SkiftGruppe(int Index) override;
    void MoveProgram(int Fra, int Til) override;
    int valgtGruppe() const override;
    void visSide(int side) override;
    void rydElementer(const QString& gruppenavn) override;
    void tilfoejElement(const QString& tekst, const QIcon& ikon) override;
    void visElementSti(const QString& sti) override;
    void visIkon(const QIcon& ikon) override;
    void elementSlettet() override;
    bool gemVentendeLager() override;

    void AgemForandringerExecute();
    void nyGruppeKnapClick();
    void sorterKnapClick();
    void sletKnapClick();
    void redigerKnapClick();
    // Puts the group list of the main window into the list boxes.
    void visGruppeliste();

    QTabWidget* Bog = nullptr;
    QListWidget* gruppeBoks = nullptr;
    QLineEdit* gEdit = nullptr;
    QPushButton* nyGruppeKnap = nullptr;
    QToolButton* sorterKnap = nullptr;
    QPushButton* sletKnap = nullptr;
    QPushButton* redigerKnap = nullptr;
    QToolButton* sbInformationsKnap = nullptr;
    QLineEdit* valgtGruppeEdit = nullptr;
    QLineEdit* gruppeEdit = nullptr;
    QLabel* Image = nullptr;
    QTreeWidget* programBoks = nullptr;
    QLineEdit* nytekstEdit = nullptr;
    QLineEdit* fraEdit = nullptr;
    QLineEdit* gNameEdit = nullptr;
    QListWidget* Box = nullptr;
    QListWidget* lagerBox = nullptr;
    QStatusBar* infoBar = nullptr;

    bool listerModified = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* lavGruppeside();
    // The group list changed: save it, show it and let the main window follow.
    void gruppelisteAendret();
    QWidget* lavIndfoerside();
    QWidget* lavRedigerside();
    QWidget* lavLagerside();

    Tmainform& m_hub;
};
