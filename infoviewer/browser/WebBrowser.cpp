// The browser library: QWebEngineView behind the viewer's Browser interface.
#include "Browser.h"

#include <QQuickWindow>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>

namespace {

class WebBrowser : public QWebEngineView, public Browser
{
public:
    explicit WebBrowser(QWidget* parent) : QWebEngineView(parent)
    {
        connect(this, &QWebEngineView::loadStarted, this, [this] {
            if (foerNavigation)
                foerNavigation();
        });
        connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
            if (dokumentFaerdigt)
                dokumentFaerdigt(ok);
        });
        connect(page(), &QWebEnginePage::linkHovered, this, [this](const QString& adresse) {
            if (linkUnderMus)
                linkUnderMus(adresse);
        });
    }

    QWidget* widget() override { return this; }
    void naviger(const QUrl& adresse) override { load(adresse); }
    QUrl adresse() const override { return url(); }

    void setMoerk(bool moerk) override
    {
        // Every page loaded from now on, and the one shown.
        const QString skift =
            QStringLiteral("document.documentElement.classList.toggle('moerk', %1);")
                .arg(moerk ? QStringLiteral("true") : QStringLiteral("false"));
        QWebEngineScriptCollection& skripter = page()->scripts();
        for (const QWebEngineScript& s : skripter.find(QStringLiteral("moerk")))
            skripter.remove(s);
        QWebEngineScript script;
        script.setName(QStringLiteral("moerk"));
        script.setInjectionPoint(QWebEngineScript::DocumentReady);
        script.setWorldId(QWebEngineScript::MainWorld);
        script.setSourceCode(skift);
        skripter.insert(script);
        page()->runJavaScript(skift);
        // No white flash between dark pages.
        page()->setBackgroundColor(moerk ? QColor(0x1e, 0x1f, 0x22) : QColor(Qt::white));
    }

protected:
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override
    {
        // The new window's page loads here, in the viewer.
        return nytVindue && nytVindue() ? this : nullptr;
    }
};

// The web engine is loaded with this library, long after the application was
// made, and is set up here before its first view.
void klargoerWebEngine(bool udenSandkasse)
{
    static bool klar = false;
    if (klar)
        return;
    klar = true;
    // Chromium refuses to start as root with its sandbox on; it reads this
    // when the first page is made.
    if (udenSandkasse)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Help pages need no graphics card: drawn in software, the viewer is the
    // same on every machine, with or without a GPU, and opens again at once.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // The engine's start reads the application's shared OpenGL context, which
    // the program does not make at start (it would load the GL drivers before
    // the first window); this makes it now.
    QtWebEngineQuick::initialize();
}

} // namespace

extern "C" Q_DECL_EXPORT Browser* tavlumLavBrowser(QWidget* parent, bool udenSandkasse)
{
    klargoerWebEngine(udenSandkasse);
    return new WebBrowser(parent);
}
