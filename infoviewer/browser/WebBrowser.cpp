// The browser library: QWebEngineView behind the viewer's Browser interface.
#include "Browser.h"

#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

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

} // namespace

extern "C" Q_DECL_EXPORT Browser* tavlumLavBrowser(QWidget* parent, bool udenSandkasse)
{
    // Chromium refuses to start as root with its sandbox on; it reads this
    // when the first page is made.
    if (udenSandkasse)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return new WebBrowser(parent);
}
