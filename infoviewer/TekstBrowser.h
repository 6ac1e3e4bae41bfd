#pragma once

#include "Browser.h"

#include <QTextBrowser>

// The toolkit's own text browser behind the viewer's Browser interface, for a
// Qt without its web engine: the help pages are plain HTML with one style
// sheet, which it shows; any other address goes to the desktop's browser.
class TekstBrowser : public QTextBrowser, public Browser
{
public:
    explicit TekstBrowser(QWidget* parent);

    QWidget* widget() override { return this; }
    void naviger(const QUrl& adresse) override;
    QUrl adresse() const override { return source(); }
    void setMoerk(bool moerk) override;

    // True for what this browser shows itself: a page or text file on this machine.
    static bool viserSelv(const QUrl& adresse);
    // The style sheet as the page sees it: its rules for figures on the blocks
    // side() makes of them, and in the dark look the dark rules (those under
    // "html.moerk") in force.
    static QByteArray typografi(const QByteArray& css, bool moerk);
    // The page with the tags this browser does not know as blocks (a figure
    // and its caption) made blocks it knows, which the style sheet follows.
    static QByteArray side(const QByteArray& html);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    bool m_moerk = false;
};
