#include "TekstBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
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

namespace {

// A figure would be laid out in the line of the text before it.
const std::pair<const char*, const char*> blokke[] = {
    {"<figure", "<div class=\"figure\""}, {"</figure>", "</div>"},
    {"<figcaption", "<p class=\"figcaption\""}, {"</figcaption>", "</p>"}};

} // namespace

QByteArray TekstBrowser::side(const QByteArray& html)
{
    QByteArray ud = html;
    for (const auto& [fra, til] : blokke)
        ud.replace(fra, til);
    return ud;
}

QByteArray TekstBrowser::typografi(const QByteArray& css, bool moerk)
{
    // The dark rules hold where the page carries the class "moerk" on its root,
    // which this browser cannot set: they hold for the root itself instead and
    // keep the weight of a selector in two parts, so that they win over the light ones.
    QString ud = QString::fromUtf8(css);
    ud.replace(QRegularExpression(QStringLiteral("\\bfigcaption\\b")), QStringLiteral("p.figcaption"));
    ud.replace(QRegularExpression(QStringLiteral("\\bfigure\\b")), QStringLiteral("div.figure"));
    if (moerk)
        ud.replace(QStringLiteral("html.moerk"), QStringLiteral("html"));
    return ud.toUtf8();
}

QVariant TekstBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::StyleSheetResource || type == QTextDocument::HtmlResource) {
        QFile fil(name.toLocalFile());
        if (fil.open(QIODevice::ReadOnly))
            return QString::fromUtf8(type == QTextDocument::HtmlResource
                                         ? side(fil.readAll())
                                         : typografi(fil.readAll(), m_moerk));
    }
    const QVariant indhold = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::ImageResource) {
        // As wide as the page at most, as "max-width: 100%" asks, which this browser ignores.
        QImage billede = QImage::fromData(indhold.toByteArray());
        const int plads = viewport()->width() - 2 * int(document()->documentMargin()) - 40;
        if (!billede.isNull() && plads > 50 && billede.width() > plads)
            return billede.scaledToWidth(plads, Qt::SmoothTransformation);
    }
    return indhold;
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
