#pragma once

#include <QWidget>

class QAction;
class QListWidget;
class QStatusBar;
class QToolButton;
class QPushButton;
class Hub;
class Urlhistorik;

// "Urlboks": the pages visited in the information viewer.
class Turlform : public QWidget
{
    Q_OBJECT
public:
    Turlform(Hub& hub, Urlhistorik& historik, QWidget* parent = nullptr);

    void ArensDobbeltExecute();
    void AsletAlleExecute();
    void urlListeDblClick();

    QListWidget* urlListe = nullptr;
    QAction* ArensDobbelt = nullptr;
    QAction* AsletAlle = nullptr;
    QToolButton* rensKnap = nullptr;
    QToolButton* sletKnap = nullptr;
    QPushButton* lukKnap = nullptr;
    QStatusBar* infoBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the list as it is now, with the current entry selected.
    void visListe();

    Hub& m_hub;
    Urlhistorik& m_historik;
    QString m_optfilnavn;
};
