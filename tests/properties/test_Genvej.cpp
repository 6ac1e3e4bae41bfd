#include "Genvejsfil.h"
#include "Programtest.h"
#include "egenskaber.h"

#include <QCheckBox>
#include <QKeySequenceEdit>
#include <QLabel>

TEST(Genvejsfil, ReadsBackWhatItWritesAndFallsBackWhole)
{
    const Genvejsfil ingen = Genvejsfil::fraLinjer({});
    EXPECT_TRUE(ingen.til);
    EXPECT_EQ(ingen.tast, QKeySequence("Ctrl+Alt+Space"));
    EXPECT_EQ(ingen.tilLinjer(), QStringList({"1", "Ctrl+Alt+Space"}));

    const Genvejsfil gemt{false, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5)};
    const Genvejsfil laest = Genvejsfil::fraLinjer(gemt.tilLinjer());
    EXPECT_FALSE(laest.til);
    EXPECT_EQ(laest.tast, gemt.tast);

    // Any damage gives both defaults, never half a setting.
    for (const QStringList& skidt :
         {QStringList{"0"}, QStringList{"ja", "Ctrl+K"}, QStringList{"0", "Ctrl+Fnord"},
          QStringList{"0", "K"}, QStringList{"0", "Shift+K"}, QStringList{"0", "Ctrl+A, Ctrl+B"},
          QStringList{"0", ""}}) {
        const Genvejsfil g = Genvejsfil::fraLinjer(skidt);
        EXPECT_TRUE(g.til) << skidt.join('|').toStdString();
        EXPECT_EQ(g.tast, Genvejsfil::standard()) << skidt.join('|').toStdString();
    }
}

TEST(Genvejsfil, TheCombinationForThePlatformAndForTheUser)
{
    const auto standard = Genvejsfil::somGlobal(Genvejsfil::standard());
    ASSERT_TRUE(standard);
    EXPECT_EQ(standard->modifiers, Platform::GlobalKey::Control | Platform::GlobalKey::Alt);
    EXPECT_EQ(standard->key, 0x20u);
    const auto windows = Genvejsfil::somGlobal(QKeySequence(Qt::META | Qt::SHIFT | Qt::Key_Aring));
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->modifiers, Platform::GlobalKey::Meta | Platform::GlobalKey::Shift);
    EXPECT_EQ(windows->key, 0xC5u);
    // Only the first of several combinations counts; a modifier alone is no key.
    EXPECT_EQ(Genvejsfil::somGlobal(QKeySequence("Ctrl+Alt+K, Ctrl+L"))->key, quint32('K'));
    EXPECT_FALSE(Genvejsfil::somGlobal(QKeySequence(Qt::CTRL | Qt::Key_Alt)));
    EXPECT_FALSE(Genvejsfil::somGlobal(QKeySequence(Qt::ALT | Qt::Key_NumLock)));
    EXPECT_EQ(Genvejsfil::somGlobal(QKeySequence(Qt::ALT | Qt::Key_F12))->key, 0x0100003Bu);
    EXPECT_FALSE(Genvejsfil::somGlobal(QKeySequence()));

    EXPECT_EQ(Genvejsfil::tekst(Genvejsfil::standard()), "Ctrl+Alt+Mellemrum");
    EXPECT_EQ(Genvejsfil::tekst(QKeySequence(Qt::CTRL | Qt::Key_Plus)), "Ctrl++");
    EXPECT_EQ(Genvejsfil::tekst(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_AE)), "Ctrl+Skift+Æ");
}

class Genvejsside : public Programtest
{
protected:
    Tegenskabsform& e() { return program->egenskabsform(); }
    // Starts and keeps count of the messages start gave, which are not the key's.
    void startTael()
    {
        start();
        foer = beskeder.beskeder.size();
    }
    QStringList nye() const { return beskeder.beskeder.mid(foer); }
    qsizetype foer = 0;
    void skift(const QKeySequence& tast)
    {
        e().genvejFelt->setKeySequence(tast);
        emit e().genvejFelt->editingFinished();
    }
};

TEST_F(Genvejsside, TheDefaultKeyIsTakenAtStartAndShowsAndHidesTheMainWindow)
{
    startTael();
    // Taken before the properties window is made, and not again when it is.
    EXPECT_EQ(program->lavetEgenskaber(), nullptr);
    ASSERT_EQ(platform.greb.size(), 1u);
    EXPECT_EQ(platform.greb[0], *Genvejsfil::somGlobal(Genvejsfil::standard()));
    EXPECT_TRUE(platform.genvejTryk);
    EXPECT_TRUE(e().genvejCheck->isChecked());
    EXPECT_TRUE(e().genvejCheck->isEnabled());
    EXPECT_TRUE(e().genvejBesked->text().isEmpty());
    EXPECT_EQ(platform.greb.size(), 1u);

    QWidget& main = *program->mainform;
    main.hide();
    platform.trykGenvej();
    EXPECT_TRUE(main.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    platform.trykGenvej();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(nye().isEmpty());
}

TEST_F(Genvejsside, ATakenKeyIsNamedInTheWindowAtStartAndInAMessageWhenChosen)
{
    skrivBruger("genvej.txt", {"1", "Ctrl+Alt+K"});
    platform.grebSvar = Platform::GrabResult::Taken;
    startTael();
    EXPECT_EQ(e().genvejBesked->text(),
              "Tastekombinationen Ctrl+Alt+K bruges allerede af et andet program.");
    EXPECT_TRUE(nye().isEmpty());

    skift(QKeySequence("Ctrl+Alt+L, Ctrl+M"));
    EXPECT_EQ(nye(),
              QStringList{"Tastekombinationen Ctrl+Alt+L bruges allerede af et andet program."});
    // The choice is kept, to be tried again at the next start.
    EXPECT_EQ(laesBruger("genvej.txt"), QStringList({"1", "Ctrl+Alt+L"}));
    EXPECT_EQ(e().genvejFelt->keySequence(), QKeySequence("Ctrl+Alt+L"));

    platform.grebSvar = Platform::GrabResult::Refused;
    skift(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Pause));
    EXPECT_EQ(nye().last(),
              "Tastekombinationen Ctrl+Alt+Pause kan ikke bruges som global genvej.");

    platform.grebSvar = Platform::GrabResult::Grabbed;
    skift(QKeySequence("Ctrl+Alt+J"));
    EXPECT_TRUE(e().genvejBesked->text().isEmpty());
    EXPECT_TRUE(platform.genvejTryk);
}

TEST_F(Genvejsside, TurningItOffLetsGoAndABareKeyIsRefusedBeforeAsking)
{
    startTael();
    e().genvejCheck->click();
    EXPECT_FALSE(platform.genvejTryk);
    EXPECT_GE(platform.sluppet, 1);
    EXPECT_EQ(laesBruger("genvej.txt"), QStringList({"0", "Ctrl+Alt+Space"}));

    e().genvejCheck->click();
    const std::size_t spurgt = platform.greb.size();
    skift(QKeySequence(Qt::SHIFT | Qt::Key_K));
    EXPECT_EQ(nye(),
              QStringList{"En global genvej skal holde Ctrl, Alt eller Windows-tasten nede."});
    // Back to the combination in force, which is taken again.
    EXPECT_EQ(e().genvejFelt->keySequence(), Genvejsfil::standard());
    EXPECT_EQ(platform.greb.back(), *Genvejsfil::somGlobal(Genvejsfil::standard()));
    EXPECT_GT(platform.greb.size(), spurgt);
    EXPECT_EQ(laesBruger("genvej.txt"), QStringList({"1", "Ctrl+Alt+Space"}));
}

TEST_F(Genvejsside, WhereTheSessionGivesNoGlobalKeysTheControlsAreOffAndSaySo)
{
    skrivBruger("genvej.txt", {"1", "Ctrl+Alt+K"});
    platform.genvejMulig = false;
    startTael();
    EXPECT_FALSE(e().genvejCheck->isEnabled());
    EXPECT_FALSE(e().genvejFelt->isEnabled());
    EXPECT_TRUE(e().genvejBesked->text().startsWith("Global genvej kan ikke bruges"));
    EXPECT_TRUE(platform.greb.empty());
    EXPECT_TRUE(nye().isEmpty());
    // What the user chose elsewhere stays for a session that can.
    EXPECT_EQ(laesBruger("genvej.txt"), QStringList({"1", "Ctrl+Alt+K"}));
}

TEST_F(Genvejsside, AKeyTurnedOffIsNotTakenAtStartButIsWhenTurnedOn)
{
    skrivBruger("genvej.txt", {"0", "Ctrl+Shift+F5"});
    startTael();
    EXPECT_TRUE(platform.greb.empty());
    EXPECT_FALSE(e().genvejCheck->isChecked());
    EXPECT_EQ(e().genvejFelt->keySequence(), QKeySequence("Ctrl+Shift+F5"));

    e().genvejCheck->click();
    ASSERT_EQ(platform.greb.size(), 1u);
    EXPECT_EQ(platform.greb[0], *Genvejsfil::somGlobal(QKeySequence("Ctrl+Shift+F5")));
    EXPECT_EQ(laesBruger("genvej.txt"), QStringList({"1", "Ctrl+Shift+F5"}));
    EXPECT_TRUE(nye().isEmpty());
}
