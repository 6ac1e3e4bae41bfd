#include "TekstBrowser.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

const QString sider = QStringLiteral(TAVLUM_DATA_DIR "/Struktur/Tavlum/tekstfiler/");

// The browser with every callback counted.
struct Maalt
{
    Maalt()
    {
        b.foerNavigation = [this] { ++foer; };
        b.dokumentFaerdigt = [this](bool ok) { faerdig << ok; };
        b.udenfor = [this](const QUrl& u) { udenfor << u; };
        b.linkUnderMus = [this](const QString& a) { mus << a; };
    }
    TekstBrowser b{nullptr};
    int foer = 0;
    QList<bool> faerdig;
    QList<QUrl> udenfor;
    QStringList mus;
};

} // namespace

TEST(TekstBrowser, ShowsAHelpPageWithItsTextForScreenReadersToo)
{
    Maalt m;
    const QUrl side = QUrl::fromLocalFile(sider + "Panelet.html");
    m.b.naviger(side);
    EXPECT_EQ(m.foer, 1);
    EXPECT_EQ(m.faerdig, QList<bool>{true});
    EXPECT_EQ(m.b.adresse(), side);
    EXPECT_EQ(m.b.documentTitle(), "Panelet");
    EXPECT_TRUE(m.b.toPlainText().contains("At åbne et element"));
    EXPECT_TRUE(m.udenfor.isEmpty());

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&m.b);
    ASSERT_TRUE(a && a->textInterface());
    EXPECT_TRUE(a->textInterface()->text(0, a->textInterface()->characterCount())
                    .contains("Et enkelt klik vælger elementet."));
}

TEST(TekstBrowser, WebAddressesAndOtherFilesGoToTheDesktopAndThePageStays)
{
    Maalt m;
    const QUrl side = QUrl::fromLocalFile(sider + "Grupper.html");
    m.b.naviger(side);
    const QUrl soegning("https://www.google.com/search?q=mus%20%26%20%23tast");
    m.b.naviger(soegning);
    // A link clicked in the page takes the same way.
    emit m.b.anchorClicked(QUrl("mailto:tavlum@example.org"));
    const QUrl billede = QUrl::fromLocalFile(sider + "../Billeder/grupper.png");
    m.b.naviger(billede);
    EXPECT_EQ(m.udenfor, (QList<QUrl>{soegning, QUrl("mailto:tavlum@example.org"), billede}));
    EXPECT_EQ(m.foer, 1);
    EXPECT_EQ(m.b.adresse(), side);

    emit m.b.highlighted(QUrl("https://example.org/"));
    emit m.b.highlighted(QUrl());
    EXPECT_EQ(m.mus, (QStringList{"https://example.org/", ""}));
}

TEST(TekstBrowser, AFigureIsABlockOfItsOwnBelowTheTextWithItsCaption)
{
    EXPECT_EQ(TekstBrowser::side("<p>a</p><figure><img src=\"b.png\"><figcaption>c</figcaption></figure>"),
              "<p>a</p><div class=\"figure\"><img src=\"b.png\"><p class=\"figcaption\">c</p></div>");
    EXPECT_EQ(TekstBrowser::typografi("figure img { } figcaption { }", false),
              "div.figure img { } p.figcaption { }");

    // No line of the text before it is as tall as the picture.
    Maalt m;
    m.b.resize(500, 700);
    m.b.naviger(QUrl::fromLocalFile(sider + "Tavlum.html"));
    const QTextBlock afsnit = m.b.document()->findBlock(m.b.toPlainText().indexOf("som hvis du havde"));
    ASSERT_TRUE(afsnit.isValid());
    m.b.document()->documentLayout()->blockBoundingRect(afsnit);
    for (int i = 0; i < afsnit.layout()->lineCount(); ++i)
        EXPECT_LT(afsnit.layout()->lineAt(i).height(), 50) << "line " << i;
    EXPECT_TRUE(afsnit.text().endsWith("filhåndteringen."));
    EXPECT_EQ(afsnit.next().next().text(), "Hovedvinduet med elementerne i den aktive gruppe");

    // A picture wider than the page is drawn as wide as the page.
    m.b.naviger(QUrl::fromLocalFile(sider + "Menuvisning.html"));
    const QImage bred = m.b.loadResource(QTextDocument::ImageResource,
                                         QUrl::fromLocalFile(sider + "../Billeder/menuvisning.png"))
                            .value<QImage>();
    ASSERT_FALSE(bred.isNull());
    EXPECT_LE(bred.width(), m.b.viewport()->width());
}

TEST(TekstBrowser, AMissingPageSaysSoInDanishAndFails)
{
    Maalt m;
    m.b.naviger(QUrl::fromLocalFile(sider + "Findes ikke.html"));
    EXPECT_EQ(m.faerdig, QList<bool>{false});
    EXPECT_TRUE(m.b.toPlainText().startsWith("Siden findes ikke:"));
}

TEST(TekstBrowser, TheDarkLookAppliesTheDarkRulesOverTheLightOnes)
{
    const QByteArray css = "body {\n  color: #1d2731;\n}\nhtml.moerk body {\n  color: #e6e6e6;\n}\n";
    EXPECT_EQ(TekstBrowser::typografi(css, false), css);
    const QByteArray moerk = TekstBrowser::typografi(css, true);
    EXPECT_EQ(moerk, "body {\n  color: #1d2731;\n}\nhtml body {\n  color: #e6e6e6;\n}\n");

    // The page drawn in the dark look has the dark text colour.
    Maalt m;
    m.b.naviger(QUrl::fromLocalFile(sider + "Panelet.html"));
    const auto tekstfarve = [&] {
        return m.b.document()->begin().next().charFormat().foreground().color();
    };
    const QColor lys = tekstfarve();
    m.b.setMoerk(true);
    EXPECT_NE(tekstfarve(), lys);
    EXPECT_EQ(tekstfarve(), QColor("#e6e6e6"));
    m.b.setMoerk(false);
    EXPECT_EQ(tekstfarve(), lys);
}
