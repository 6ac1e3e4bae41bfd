#include "Placering.h"
#include "Programtest.h"
#include "boks.h"
#include "egenskaber.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QToolBar>

class Egenskabsside : public Programtest
{
protected:
    Egenskabsside() { platform.startup = mappe.sti("autostart").toStdString(); }
    Tegenskabsform& egenskaber() { return program->egenskabsform(); }
    QString genvej() { return bruger("Tavlum.desktop"); }
    QString iStartup() { return mappe.sti("autostart/Tavlum.desktop"); }
    void tik(int gange)
    {
        for (int i = 0; i < gange; ++i)
            egenskaber().tavlumTimerTimer();
    }
};

TEST_F(Egenskabsside, CreationShowsThePanelsLookAndTheSavedStartSettings)
{
    skrivBruger("egenskaber.txt", {"0", "1", mappe.skriv("gammel/Tavlum.desktop", "x")});
    QStringList o = Options().tilLinjer();
    o[14] = "0";
    o[15] = "9";
    o[17] = "0";
    skrivBruger("options.txt", o);
    start();
    Tegenskabsform& e = egenskaber();
    EXPECT_FALSE(e.trayCheck->isChecked());
    EXPECT_TRUE(e.minimerCheck->isChecked());
    EXPECT_EQ(e.tavlumDoButton->text(), "Fjern");
    EXPECT_EQ(e.viewStyleValg->checkedId(), 0);
    EXPECT_EQ(e.fontValg->checkedId(), -1);
    EXPECT_FALSE(e.redskabslinjeBox->isChecked());
    EXPECT_EQ(e.placeringsValg->checkedId(), -1);
    EXPECT_EQ(e.designBox->currentText(), "Aqua Light Slate");
    EXPECT_EQ(e.designBox->count(), 9);
    EXPECT_FALSE(e.gemButton->isEnabled());
}

TEST_F(Egenskabsside, AVanishedShortcutGivesUdfoerAndSavingWritesTheBoxes)
{
    skrivBruger("egenskaber.txt", {"1", "0", mappe.sti("væk/Tavlum.desktop")});
    start();
    Tegenskabsform& e = egenskaber();
    EXPECT_EQ(e.tavlumDoButton->text(), "Udfør");
    e.minimerCheck->click();
    EXPECT_TRUE(e.gemButton->isEnabled());
    e.gemButton->click();
    EXPECT_FALSE(e.gemButton->isEnabled());
    EXPECT_EQ(laesBruger("egenskaber.txt"),
              QStringList({"1", "1", mappe.sti("væk/Tavlum.desktop")}));
}

TEST_F(Egenskabsside, TheLookChangesTheMainWindowAtOnceAndNotInTheMenuView)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    Tegenskabsform& e = egenskaber();
    e.viewStyleValg->button(2)->click();
    EXPECT_EQ(main.indstillinger().visning, Options::Liste);
    e.fontValg->button(1)->click();
    EXPECT_EQ(programBoks(main)->font().pointSize(), 10);
    e.redskabslinjeBox->click();
    EXPECT_FALSE(del<QToolBar>(main, "toolBar")->isVisible());
    e.designBox->setCurrentText("Jet");
    e.designBoxChange(e.designBox->currentIndex());
    EXPECT_EQ(main.indstillinger().designName, "Jet");
    EXPECT_TRUE(program->boksform().isVisible());

    e.placeringsValg->button(Placering::Venstre)->click();
    EXPECT_EQ(main.toolBarArea(del<QToolBar>(main, "toolBar")), Qt::RightToolBarArea);
    EXPECT_EQ(main.indstillinger().pLeft, main.pos().x());
    EXPECT_EQ(main.indstillinger().pHeight, main.height());

    del<QAction>(main, "aMenuVis")->trigger();
    e.show();
    EXPECT_FALSE(e.viewStyleBox->isEnabled());
    EXPECT_FALSE(e.placeringsBox->isEnabled());
    EXPECT_FALSE(e.redskabslinjeBox->isEnabled());
    EXPECT_TRUE(e.designBox->isEnabled());
    EXPECT_TRUE(e.trayCheck->isEnabled());
    e.hide();
    program->boksform().hide();
}

TEST_F(Egenskabsside, RegisteringCopiesAnExistingShortcutAtTheFirstTickAndRemovesItAgain)
{
    QDir().mkpath(mappe.sti("autostart"));
    start();
    Tegenskabsform& e = egenskaber();
    mappe.skriv("Tavlum/Brugere/kontor/Tavlum.desktop", "[Desktop Entry]\n");
    e.tavlumDoButton->click();
    EXPECT_TRUE(beskeder.beskeder.last().startsWith("Det kan tage lidt tid.\r"));
    // The data set's script was handed the program and the shortcut to make.
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_TRUE(
        QString::fromStdString(platform.kald[0].file).endsWith("Struktur/createShortcut.sh"));
    EXPECT_EQ(QString::fromStdString(platform.kald[0].parameters),
              '"' + e.programFil + "\" \"" + genvej() + '"');
    EXPECT_TRUE(e.tavlumTimer.isActive());
    EXPECT_TRUE(e.gemButton->isEnabled());
    tik(1);
    EXPECT_FALSE(e.tavlumTimer.isActive());
    EXPECT_TRUE(QFileInfo::exists(iStartup()));
    EXPECT_EQ(e.tavlumFilename, iStartup());
    EXPECT_EQ(e.tavlumDoButton->text(), "Fjern");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(e.tavlumDoButton)->text(QAccessible::Name),
              "Fjern");
    EXPECT_EQ(beskeder.beskeder.last(), "Programmet er indført som StartUp-program.");

    e.tavlumDoButton->click();
    tik(1);
    EXPECT_FALSE(QFileInfo::exists(iStartup()));
    EXPECT_TRUE(QFileInfo::exists(genvej()));
    EXPECT_TRUE(e.tavlumFilename.isEmpty());
    EXPECT_EQ(e.tavlumDoButton->text(), "Indfør");
    EXPECT_EQ(beskeder.beskeder.last(), "Programmet blev fjernet som StartUp-program.");
}

TEST_F(Egenskabsside, TheButtonShowsTheStartupFolderAsItIsNotAsLastSaved)
{
    QDir().mkpath(mappe.sti("autostart"));
    skrivBruger("egenskaber.txt", {"1", "0", ""});
    start();
    mappe.skriv("Tavlum/Brugere/kontor/Tavlum.desktop", "[Desktop Entry]\n");
    egenskaber().tavlumDoButton->click();
    tik(1);
    ASSERT_TRUE(QFileInfo::exists(iStartup()));

    // The next start, without the save button pressed.
    start();
    Tegenskabsform& e = egenskaber();
    EXPECT_EQ(e.tavlumDoButton->text(), "Fjern");
    EXPECT_EQ(e.tavlumFilename, iStartup());
    EXPECT_FALSE(e.gemButton->isEnabled());

    // Taken away outside while the window was hidden.
    QFile::remove(iStartup());
    e.show();
    EXPECT_EQ(e.tavlumDoButton->text(), "Udfør");
    e.tavlumDoButton->click();
    tik(1);
    EXPECT_TRUE(QFileInfo::exists(iStartup()));
    EXPECT_EQ(beskeder.beskeder.last(), "Programmet er indført som StartUp-program.");
    e.hide();
}

TEST_F(Egenskabsside, ClosingWithUnsavedStartSettingsAsksWhetherToSaveThem)
{
    const QString spoergsmaal = "Skal ændringerne gemmes?";
    skrivBruger("egenskaber.txt", {"1", "0", ""});
    start();
    Tegenskabsform& e = egenskaber();
    e.show();
    e.close();
    EXPECT_TRUE(beskeder.spoergsmaal.isEmpty());

    e.show();
    e.minimerCheck->click();
    beskeder.setNextAnswer(true);
    e.cabcelButton->click();
    EXPECT_EQ(beskeder.spoergsmaal, QStringList({spoergsmaal}));
    EXPECT_FALSE(e.isVisible());
    EXPECT_FALSE(e.gemButton->isEnabled());
    EXPECT_EQ(laesBruger("egenskaber.txt"), QStringList({"1", "1", ""}));

    // "Nej" puts the boxes back as saved.
    e.show();
    e.trayCheck->click();
    e.close();
    EXPECT_EQ(beskeder.spoergsmaal.size(), 2);
    EXPECT_TRUE(e.trayCheck->isChecked());
    EXPECT_TRUE(e.minimerCheck->isChecked());
    EXPECT_FALSE(e.gemButton->isEnabled());
    EXPECT_EQ(laesBruger("egenskaber.txt"), QStringList({"1", "1", ""}));

    // The end of the program asks too.
    e.show();
    e.trayCheck->click();
    beskeder.setNextAnswer(true);
    program->mainform->close();
    EXPECT_EQ(beskeder.spoergsmaal.size(), 3);
    EXPECT_EQ(laesBruger("egenskaber.txt"), QStringList({"0", "1", ""}));
}

TEST_F(Egenskabsside, AFreshAccountGetsItsStartupFolderMadeInsideTheHomeOnly)
{
    const QByteArray hjem = qgetenv("HOME");
    qputenv("HOME", mappe.sti("hjem").toUtf8());
    QDir().mkpath(mappe.sti("hjem"));
    platform.startup = mappe.sti("hjem/.config/autostart").toStdString();
    start();
    mappe.skriv("Tavlum/Brugere/kontor/Tavlum.desktop", "[Desktop Entry]\n");
    egenskaber().makeOptavlum();
    tik(1);
    qputenv("HOME", hjem);
    EXPECT_EQ(beskeder.beskeder.last(), "Programmet er indført som StartUp-program.");
    EXPECT_TRUE(QFileInfo::exists(mappe.sti("hjem/.config/autostart/Tavlum.desktop")));
    EXPECT_EQ(QFileInfo(mappe.sti("hjem/.config")).permissions() & 0x0077, 0);
}

TEST_F(Egenskabsside, RegistrationFailuresAreToldInDanish)
{
    start();
    Tegenskabsform& e = egenskaber();
    // No shortcut within ten ticks.
    e.makeOptavlum();
    tik(9);
    EXPECT_TRUE(e.tavlumTimer.isActive());
    tik(1);
    EXPECT_FALSE(e.tavlumTimer.isActive());
    EXPECT_EQ(beskeder.beskeder.last(),
              "Det lykkedes ikke at indføre programmet som startprogram.");
    // No start-up folder once the shortcut is there.
    mappe.skriv("Tavlum/Brugere/kontor/Tavlum.desktop", "x");
    e.makeOptavlum();
    tik(1);
    EXPECT_EQ(beskeder.beskeder.last(), "Startup-mappen kunne ikke findes.");
    // The shell cannot run the script.
    platform.shellSvar = 31;
    e.makeOptavlum();
    EXPECT_EQ(beskeder.beskeder.last(),
              "Fejlinformation:\rDer er ikke associeret noget program til givne filefternavn.\r"
              "Der er muligvist valgt: For redigering.\rDer skal muligvist vælges: For kørsel.");
    e.tavlumTimer.stop();
    e.programFil = mappe.sti("væk/tavlum");
    e.makeOptavlum();
    EXPECT_EQ(beskeder.beskeder.last(), "Programfilen blev ikke fundet.");
    EXPECT_FALSE(e.tavlumTimer.isActive());
}

TEST_F(Egenskabsside, TheIconFolderOpensInTheShell)
{
    start();
    egenskaber().openKnapClick();
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(QString::fromStdString(platform.kald[0].file), program->mainform->mapper().ikonDir);
    QDir(program->mainform->mapper().ikonDir).removeRecursively();
    egenskaber().openKnapClick();
    EXPECT_EQ(beskeder.beskeder.last(), "Mappen blev ikke fundet!");
}

TEST(Genvejsskript, MakesAValidDesktopEntryThatStartsTheProgram)
{
    const QString skript = QStringLiteral(TAVLUM_DATA_DIR "/Struktur/createShortcut.sh");
    QTemporaryDir dir;
    const QString program = dir.filePath("mit program/tav\"lum");
    const QString genvej = dir.filePath("Tavlum.desktop");
    ASSERT_EQ(QProcess::execute(skript, {program, genvej}), 0);
    QFile fil(genvej);
    ASSERT_TRUE(fil.open(QIODevice::ReadOnly));
    const QString indhold = QString::fromUtf8(fil.readAll());
    EXPECT_TRUE(indhold.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(indhold.contains("Exec=\"" + dir.filePath("mit program/tav\\\\\"lum") + "\"\n"));
    if (QFileInfo::exists("/usr/bin/desktop-file-validate")) {
        EXPECT_EQ(QProcess::execute("/usr/bin/desktop-file-validate", {genvej}), 0);
    }
}

TEST_F(Egenskabsside, RestoringADayBringsBackTheGroupsAndSettingsAndKeepsThemAtExit)
{
    skrivBruger("egenskaber.txt", {"1", "0", ""});
    const QString dag = "Sikkerhedskopier/" + QDate::currentDate().toString("yyyy-MM-dd") + "/";
    QStringList gamle = Options().tilLinjer();
    gamle[1] = "Gammel";
    skrivBruger(dag + "options.txt", gamle);
    skrivBruger(dag + "egenskaber.txt", {"0", "1", ""});
    skrivBruger(dag + "programgrupper.txt", {"Gammel", "Anden"});
    skrivBruger(dag + "Filer/Gammel.txt", {mappe.skriv("elementer/g.txt", "x")});
    skrivBruger(dag + "Filer/Gammeltekst.txt", {"G"});
    Tmainform& m = startMed({"Spil", "Kontor"}, "Spil");
    ASSERT_EQ(Options::fraLinjer(gamle, {}).gruppenavn, "Gammel");

    beskeder.setNextAnswer(false);
    EXPECT_FALSE(egenskaber().gendanDag(QDate::currentDate()));
    EXPECT_EQ(m.grupperne().gruppenavn, "Spil");

    beskeder.setNextAnswer(true);
    ASSERT_TRUE(egenskaber().gendanDag(QDate::currentDate()));
    EXPECT_EQ(m.grupperne().gruppeliste, (QStringList{"Gammel", "Anden"}));
    EXPECT_EQ(tekster(programBoks(m)), QStringList{"G"});
    auto* gruppeBoks = del<QListWidget>(*program->boksform().vindue(), "gruppeBoks");
    ASSERT_EQ(gruppeBoks->count(), 2);
    EXPECT_EQ(gruppeBoks->currentItem()->text(), "Gammel");
    EXPECT_TRUE(egenskaber().minimerCheck->isChecked());
    // What was there before is today's copy now.
    EXPECT_EQ(laesBruger(dag + "programgrupper.txt"), (QStringList{"Spil", "Kontor"}));
    // The options in memory are the restored ones, so the exit does not undo the restore.
    m.GemOptions();
    EXPECT_EQ(Options::fraLinjer(laesBruger("options.txt"), {}).gruppenavn, "Gammel");
    EXPECT_EQ(laesBruger("egenskaber.txt"), (QStringList{"0", "1", ""}));
}
