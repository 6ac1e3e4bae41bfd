#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

// The viewer's embedded browser. With Qt WebEngine it lives in a library of
// its own, loaded the first time the viewer needs it, so that the program
// starts without the web engine; without it, it is the toolkit's text browser.
class Browser
{
public:
    virtual ~Browser() = default;

    virtual QWidget* widget() = 0;
    virtual void naviger(const QUrl& adresse) = 0;
    // The address of the page shown, or of the one being loaded.
    virtual QUrl adresse() const = 0;
    // The help pages in their dark look (their style sheet's "moerk" class), or the light one.
    virtual void setMoerk(bool moerk) = 0;

    // A navigation begins.
    std::function<void()> foerNavigation;
    // The page has loaded; false when it could not be shown.
    std::function<void(bool ok)> dokumentFaerdigt;
    // The address of the link under the mouse (also of a picture inside a link); empty when none.
    std::function<void(const QString& adresse)> linkUnderMus;
    // The page asks for a new window; true opens it in this browser instead.
    std::function<bool()> nytVindue;
    // An address this browser does not show itself, for the desktop's browser.
    std::function<void(const QUrl& adresse)> udenfor;

    // The browser library's browser, or null with `fejl` saying why in Danish.
    // Without a sandbox Chromium runs as root; the choice counts for the whole process.
    static std::unique_ptr<Browser> lav(QWidget* parent, bool udenSandkasse, QString* fejl);
};

// The library's one entry.
using LavBrowser = Browser* (*)(QWidget* parent, bool udenSandkasse);
