#pragma once

#include "Vinduer.h"

#include <QTimer>
#include <QWidget>

class QButtonGroup;
class QDate;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeySequenceEdit;
class QLabel;
class QPushButton;
class QToolButton;
class Hub;

// "Egenskaber": the main panel's look, and how the program starts.
class Tegenskabsform : public QWidget, public Egenskabsvindue
{
    Q_OBJECT
public:
    explicit Tegenskabsform(Hub& hub, QWidget* parent = nullptr);

    QWidget* vindue() override { return this; }
    bool trayValgt() const override;
    bool minimerValgt() const override;
    void gemVentende() override;
    void setBilleder(bool moerk) override;

    void HentOpt();
    void GemOpt();
    void viewStyleBoxClick(int valg);
    void fontBoxClick(int valg);
    void designBoxChange(int index);
    void placeringsBoxClick(int valg);
    void openKnapClick();
    void gemButtonClick();

    // Start-up registration: a script makes a shortcut, which a one-second
    // timer waits for and then adds to or removes from the start-up folder.
    void tavlumDoButtonClick();
    void makeOptavlum();
    void OpenFilMedParametre(const QString& fil, const QString& parametre);
    void tavlumTimerTimer();
    void ErrorInfo(unsigned Nr);
    QString startupMappe() const;
    // The caption and the shortcut as the start-up folder has them: the file
    // keeps the state only once saved, the folder holds it from the first tick.
    void visRegistrering();

    // "Gendan data...": a day of the data files' copies, put back after a question.
    void gendanButtonClick();
    // Puts the day back once the user says yes, and reads this window's file again.
    bool gendanDag(const QDate& dag);
    // The global key that shows and hides the main window from any program
    // (egenskaberGenvej.cpp): shown as taken at start, saved at each change.
    void HentGenvej();
    void genvejAendret();
    QCheckBox* genvejCheck = nullptr;
    QKeySequenceEdit* genvejFelt = nullptr;
    QLabel* genvejBesked = nullptr;

    QString programFil; // the running program, which the shortcut starts
    QString optFilnavn;
    QString tavlumFilename;
    QString TavlumtimerFilename;
    int TavlumtimerCount = 0;
    QTimer tavlumTimer;

    QGroupBox* viewStyleBox = nullptr;
    QButtonGroup* viewStyleValg = nullptr;
    QGroupBox* fontBox = nullptr;
    QButtonGroup* fontValg = nullptr;
    QToolButton* openKnap = nullptr;
    QToolButton* sbInformationsKnap = nullptr;
    QComboBox* designBox = nullptr;
    QGroupBox* placeringsBox = nullptr;
    QButtonGroup* placeringsValg = nullptr;
    QCheckBox* redskabslinjeBox = nullptr;
    QCheckBox* trayCheck = nullptr;
    QCheckBox* minimerCheck = nullptr;
    QPushButton* tavlumDoButton = nullptr;
    QPushButton* gemButton = nullptr;
    QPushButton* cabcelButton = nullptr;
    QPushButton* gendanButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    // Unsaved start settings are saved or dropped as the user answers.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* lavDesignkolonne();
    QWidget* lavAspektkolonne();
    QWidget* lavOpstartkolonne();
    QPushButton* lavGendanKnap();
    // The dialog that lists the days; an invalid date when cancelled.
    QDate vaelgDag();
    QWidget* lavGenvejsfelt();

    Hub& m_hub;
};
