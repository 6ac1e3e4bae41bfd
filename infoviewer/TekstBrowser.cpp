#include "TekstBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QTextDocument>

TekstBrowser::TekstBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // Links go through naviger(), which hands web addresses on.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& adresse) {
        naviger(adresse);
    });
    connect(this, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            [this](const QUrl& adresse) {
                if (linkUnderMus)
                    linkUnderMus(adresse.toString());
            });
}

bool TekstBrowser::viserSelv(const QUrl& adresse)
{
    if (!adresse.isLocalFile())
        return false;
    const QString type = QFileInfo(adresse.toLocalFile()).suffix().toLower();
    return type == QLatin1String("html") || type == QLatin1String("htm") ||
           type == QLatin1String("txt");
}

void TekstBrowser::naviger(const QUrl& adresse)
{
    if (!viserSelv(adresse)) {
        if (udenfor)
            udenfor(adresse);
        return;
    }
    if (foerNavigation)
        foerNavigation();
    const bool findes = QFileInfo(adresse.toLocalFile()).isFile();
    if (findes)
        setSource(adresse);
    else
        setHtml(QStringLiteral("<p>Siden findes ikke: %1</p>")
                    .arg(adresse.toLocalFile().toHtmlEscaped()));
    if (dokumentFaerdigt)
        dokumentFaerdigt(findes);
}

QByteArray TekstBrowser::typografi(const QByteArray& css, bool moerk)
{
    if (!moerk)
        return css;
    // The dark rules hold where the page carries the class "moerk" on its root,
    // which this browser cannot set: they hold for the root itself instead and
    // keep the weight of a selector in two parts, so that they win over the light ones.
    QByteArray moerke = css;
    return moerke.replace("html.moerk", "html");
}

QVariant TekstBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::StyleSheetResource) {
        QFile fil(name.toLocalFile());
        if (fil.open(QIODevice::ReadOnly))
            return QString::fromUtf8(typografi(fil.readAll(), m_moerk));
    }
    return QTextBrowser::loadResource(type, name);
}

void TekstBrowser::setMoerk(bool moerk)
{
    if (moerk == m_moerk)
        return;
    m_moerk = moerk;
    // No white edge around a dark page.
    QPalette p = palette();
    p.setColor(QPalette::Base, moerk ? QColor(0x1e, 0x1f, 0x22) : QColor(Qt::white));
    p.setColor(QPalette::Text, moerk ? QColor(0xe6, 0xe6, 0xe6) : QColor(0x1d, 0x27, 0x31));
    setPalette(p);
    // The page again, with the style sheet read anew.
    if (!source().isEmpty())
        reload();
}
