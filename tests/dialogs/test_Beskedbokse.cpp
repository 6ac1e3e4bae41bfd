#include "infUnit.h"
#include "spmUnit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `mens` once the box is up, then lets `svar` close it.
int visOgSvar(BeskedVindue& boks, const std::function<void()>& mens,
              const std::function<void()>& svar)
{
    QTimer::singleShot(0, &boks, [&] {
        if (mens)
            mens();
        svar();
    });
    return boks.ShowModal();
}

} // namespace

TEST(Beskedboks, HeightFollowsTheTextAndWidthStaysFixed)
{
    Tinfform boks;
    int enLinje = 0, femLinjer = 0, lang = 0, bredde = 0, labelHoejde = 0;
    boks.insertTekst("En linje");
    visOgSvar(
        boks,
        [&] {
            enLinje = boks.height();
            labelHoejde = boks.findChild<QLabel*>("Label1")->height();
        },
        [&] { boks.BitBtn1->click(); });
    boks.insertTekst("1\r2\r3\r4\r5");
    int linjeHoejde = 0;
    visOgSvar(
        boks,
        [&] {
            femLinjer = boks.height();
            linjeHoejde = boks.findChild<QLabel*>("Label1")->fontMetrics().height();
        },
        [&] { boks.BitBtn1->click(); });
    boks.insertTekst(QString("ord ").repeated(200));
    visOgSvar(
        boks,
        [&] {
            lang = boks.height();
            bredde = boks.width();
        },
        [&] { boks.BitBtn1->click(); });

    EXPECT_EQ(enLinje, labelHoejde + 80);
    EXPECT_NEAR(femLinjer - enLinje, 4 * linjeHoejde, 4);
    EXPECT_GT(lang, femLinjer);
    EXPECT_EQ(bredde, 339);
}

TEST(Beskedboks, ALongPathIsBrokenInsideItAndTheBoxGrowsToShowItAll)
{
    Tinfform boks;
    const QString sti =
        "/hjem/kontor/" + QString("Meget_lang_mappe_uden_mellemrum_").repeated(6) + "rapport.pdf";
    boks.insertTekst("Mappen\r" + sti + "\rblev ikke fundet!");
    QStringList linjer;
    int hoejde = 0, labelBredde = 0, labelHoejde = 0, laengst = 0, linjeHoejde = 0;
    QString navn;
    visOgSvar(
        boks,
        [&] {
            const auto* label = boks.findChild<QLabel*>("Label1");
            linjer = label->text().split('\n');
            hoejde = boks.height();
            labelBredde = label->contentsRect().width();
            labelHoejde = label->height();
            linjeHoejde = label->fontMetrics().lineSpacing();
            for (const QString& l : linjer)
                laengst = std::max(laengst, label->fontMetrics().horizontalAdvance(l));
            navn = label->accessibleName();
        },
        [&] { boks.BitBtn1->click(); });
    ASSERT_GE(linjer.size(), 4);
    EXPECT_EQ(linjer.first(), "Mappen");
    EXPECT_EQ(linjer.last(), "blev ikke fundet!");
    EXPECT_EQ(linjer.mid(1, linjer.size() - 2).join(QString()), sti);
    EXPECT_LE(laengst, labelBredde);
    EXPECT_GE(labelHoejde, linjer.size() * linjeHoejde);
    EXPECT_EQ(hoejde, labelHoejde + 80);
    EXPECT_EQ(navn, "Mappen\n" + sti + "\nblev ikke fundet!");
}

TEST(Beskedboks, ShownAtTenPointThenResetToEightAndEmptyOnClose)
{
    Tinfform boks;
    int punkt = 0;
    QString vist;
    boks.insertTekst("Filen blev ikke fundet!");
    visOgSvar(
        boks,
        [&] {
            punkt = boks.findChild<QLabel*>("Label1")->font().pointSize();
            vist = boks.tekst();
        },
        [&] { QTest::keyClick(&boks, Qt::Key_Return); });
    EXPECT_EQ(punkt, 10);
    EXPECT_EQ(vist, "Filen blev ikke fundet!");
    EXPECT_TRUE(boks.tekst().isEmpty());
    EXPECT_EQ(boks.findChild<QLabel*>("Label1")->font().pointSize(), 8);
}

TEST(Beskedboks, EnterAndOkAnswerOneCloseBoxTwo)
{
    Tinfform boks;
    EXPECT_EQ(visOgSvar(boks, {}, [&] { QTest::keyClick(&boks, Qt::Key_Return); }), 1);
    EXPECT_EQ(visOgSvar(boks, {}, [&] { boks.BitBtn1->click(); }), 1);
    EXPECT_EQ(visOgSvar(boks, {}, [&] { boks.close(); }), 2);
    EXPECT_EQ(boks.windowTitle(), "Information");
}

TEST(Spoergsmaalsboks, EnterAnswersJaEscNejAndCloseBoxNej)
{
    Tspform boks;
    EXPECT_EQ(boks.windowTitle(), "Spørgsmål");
    QWidget* fokus = nullptr;
    EXPECT_EQ(visOgSvar(
                  boks, [&] { fokus = boks.focusWidget(); },
                  [&] { QTest::keyClick(&boks, Qt::Key_Return); }),
              1);
    EXPECT_EQ(fokus, boks.BitBtn1);
    EXPECT_EQ(visOgSvar(boks, {}, [&] { QTest::keyClick(&boks, Qt::Key_Escape); }), 2);
    EXPECT_EQ(visOgSvar(boks, {}, [&] { boks.close(); }), 2);
    EXPECT_EQ(visOgSvar(boks, {}, [&] { boks.annullerButton->click(); }), 2);
    EXPECT_EQ(boks.BitBtn1->text(), "Ja");
    EXPECT_EQ(boks.annullerButton->text(), "Nej");
}

TEST(Beskedboks, FirstShownOverTheActiveWindowThenWhereTheUserLeftIt)
{
    QWidget aktiv;
    aktiv.setGeometry(150, 120, 300, 200);
    aktiv.show();
    aktiv.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&aktiv));
    Tinfform boks;
    QPoint foersteSted;
    visOgSvar(
        boks, [&] { foersteSted = boks.pos(); },
        [&] {
            boks.move(400, 300);
            boks.BitBtn1->click();
        });
    EXPECT_EQ(foersteSted, aktiv.frameGeometry().topLeft());
    EXPECT_FALSE(boks.opstart());

    aktiv.move(10, 10);
    QPoint andetSted;
    visOgSvar(
        boks, [&] { andetSted = boks.pos(); }, [&] { boks.BitBtn1->click(); });
    EXPECT_EQ(andetSted, QPoint(400, 300));
}
