#pragma once

#include "Urlhistorik.h"
#include "Vinduer.h"

#include <QUrl>
#include <QWidget>
#include <memory>

class Browser;
class Platform;
class QAction;
class QLineEdit;
class QStatusBar;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class TStruktur;
class Hub;

// "Tavlum information": the help viewer, with the topic tree at the left and
// the topic's page in a web browser at the right.
class Tinfoform : public QWidget, public Hjaelpevindue
{
    Q_OBJECT
public:
    Tinfoform(Hub& hub, Platform& platform, QWidget* parent = nullptr);
    ~Tinfoform() override;

    bool opstart() const override { return m_opstart; }
    void hentStruktur() override;
    bool goToInfo(const QString& openNodetekst) override;
    void setBilleder(bool moerk) override;

    // Reloads the topic tree and empties the visited pages.
    void LoadStruktur();
    void StrukturClick();
    void AgoExecute();
    // The name of the page shown: relative to the page folder for the help
    // set's own pages, else its web address.
    QString lokationsnavn() const;
    // The browser, made the first time it is needed; null when its library is missing.
    Browser* web();

    // The visited pages, which the URL box shows.
    Urlhistorik historik;
    QWidget* urlboks = nullptr;

    const QString strukturnavn = QStringLiteral("Tavlum.txt");
    QString strukturdir;
    QString optFilnavn;
    QString globalUrl;

    TStruktur* Struktur = nullptr;
    QToolBar* htmlBar = nullptr;
    QToolButton* expandKnap = nullptr;
    QToolButton* collapseKnap = nullptr;
    QToolButton* omButton = nullptr;
    QToolBar* NavigateBar = nullptr;
    QAction* Afirst = nullptr;
    QAction* Aback = nullptr;
    QAction* Aforward = nullptr;
    QAction* Alast = nullptr;
    QLineEdit* Edit = nullptr;
    QAction* Ago = nullptr;
    QAction* urlListeKnap = nullptr;
    QStatusBar* infoBar = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void naviger(const QUrl& adresse);
    // In the desktop's own browser or program.
    void aabnUdenfor(const QUrl& adresse);
    void WebBeforeNavigate2();
    void WebDocumentComplete();
    void linkUnderMus(const QString& adresse);
    void opdaterAktioner();

    Hub& m_hub;
    Platform& m_platform;
    std::unique_ptr<Browser> m_web;
    QVBoxLayout* m_webplads = nullptr;
    bool m_opstart = true;
    bool m_browserMangler = false;
    bool m_moerk = false;
    // A complete page is shown; links under the mouse count only then.
    bool m_dokument = false;
};
