#include "TekstBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QRegularExpression>
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
    // The dark rules again after the light ones, without the class the page
    // would carry in a web browser, so that they win.
    QString moerke = QString::fromUtf8(css);
    moerke.replace(QRegularExpression(QStringLiteral("html\\.moerk\\s+")), QString());
    return css + '\n' + moerke.toUtf8();
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
    if (!source().isEmpty())
        reload();
}
