#include "Afkrydsning.h"
#include "Elementmodel.h"
#include "Programtest.h"
#include "boks.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTreeView>

class Elementikoner : public Programtest
{
protected:
    // The group "Medier": the eight kinds that have no icon file, and a desktop
    // entry with a theme's icon; "Andet" beside it.
    QStringList medier()
    {
        QStringList filer;
        for (const char* ext : {"mkv", "flac", "ogg", "webm", "svg", "csv", "odp", "epub"})
            filer << mappe.skriv(QStringLiteral("medier/Fil.%1").arg(ext), "x");
        filer << mappe.skriv("medier/Editor.desktop", "[Desktop Entry]\nExec=true\n");
        platform.ikoner[filer.last().toStdString()] = {
            Platform::FileIcon::ThemeName, "accessories-text-editor", {}};
        QStringList tekster;
        for (const QString& f : filer)
            tekster << QFileInfo(f).fileName();
        skrivBruger("programgrupper.txt", {"Medier", "Andet"});
        skrivBruger("Filer/Medier.txt", filer);
        skrivBruger("Filer/Mediertekst.txt", tekster);
        skrivGruppe("Andet", {"a"});
        skrivOptions("Medier");
        return filer;
    }
    static QImage billede(const QIcon& ikon, int stoerrelse)
    {
        return ikon.pixmap(stoerrelse).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    // The most coloured point of a picture: a greyed one has none.
    static int farvemaetning(const QImage& b)
    {
        int hoejst = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (const QColor c = b.pixelColor(x, y); c.alpha() > 128)
                    hoejst = std::max(hoejst, c.hslSaturation());
        return hoejst;
    }
    QIcon ikon(const Tmainform& main, int i) const
    {
        return raekke(programBoks(main), i).data(Qt::DecorationRole).value<QIcon>();
    }
};

TEST_F(Elementikoner, EveryKindShowsItsOwnIconAndNoRebuildShowsAMessage)
{
    const QStringList filer = medier();
    Tmainform& main = start();
    main.AfremExecute();
    main.AtilbageExecute();
    program->boksform().nytekstEdit->setText("Ny");
    program->boksform().afkrydsning->afkryds(0, true);
    program->boksform().nytekstKnapClick();
    program->boksform().MoveProgram(0, 1);
    EXPECT_TRUE(beskeder.beskeder.isEmpty());

    ASSERT_EQ(antal(programBoks(main)), filer.size());
    QString forrige;
    for (int i = 0; i < antal(programBoks(main)); ++i) {
        const QIcon ik = ikon(main, i);
        EXPECT_FALSE(ik.isNull()) << i;
        EXPECT_FALSE(billede(ik, 32).isNull()) << i;
        EXPECT_NE(ik.name(), forrige) << i;
        forrige = ik.name();
    }
    EXPECT_EQ(ikon(main, 8).name(), "accessories-text-editor");
    // The group window's list shows the same icons.
    EXPECT_EQ(
        raekke(program->boksform().programBoks, 3).data(Qt::DecorationRole).value<QIcon>().name(),
        ikon(main, 3).name());

    // Each item of the menu view's drop-down has its own element's icon.
    main.buttonClick(0);
    const QList<QAction*> punkter = del<QMenu>(main, "dropDown")->actions();
    ASSERT_EQ(punkter.size(), filer.size());
    for (int i = 0; i < punkter.size(); ++i)
        EXPECT_EQ(billede(punkter[i]->icon(), 16), billede(ikon(main, i), 16)) << i;
    EXPECT_NE(billede(punkter[0]->icon(), 16), billede(punkter[1]->icon(), 16));
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Elementikoner, OnlyAPickedFileWithoutAnyIconIsReported)
{
    Tmainform& main = startMed({"A"}, "A");
    const QString fil = mappe.skriv("valg/Fil.mkv", "x");
    beskeder.filer << fil;
    program->boksform().filnavnKnapClick();
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    EXPECT_FALSE(program->boksform().Image->pixmap().isNull());

    const QString tema = QIcon::themeName();
    QIcon::setThemeName("tavlum-intet");
    beskeder.filer << mappe.skriv("valg/Fil.epub", "x");
    program->boksform().filnavnKnapClick();
    main.insertItem(mappe.skriv("valg/Andet.epub", "x"), {}, true);
    QIcon::setThemeName(tema);
    EXPECT_EQ(beskeder.beskeder, QStringList({"Det er ikke en kørbar fil!"}));
}

TEST_F(Elementikoner, AVanishedFileIsGreyedKeepsItsPlaceAndIsNoticedWhenItComesBack)
{
    const QString bog = mappe.skriv("dok/bog.pdf", "x");
    const QString noter = mappe.skriv("dok/noter.pdf", "x");
    skrivBruger("programgrupper.txt", {"Dok"});
    skrivBruger("Filer/Dok.txt", {bog, noter});
    skrivBruger("Filer/Doktekst.txt", {"Bog", "Noter"});
    skrivOptions("Dok");
    QFile::remove(noter);
    Tmainform& main = start();
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    ASSERT_EQ(tekster(programBoks(main)), QStringList({"Bog", "Noter"}));
    const QString hint = "Filen findes ikke: " + noter;
    EXPECT_EQ(raekke(programBoks(main), 1).data(Qt::ToolTipRole).toString(), hint);
    EXPECT_EQ(raekke(programBoks(main), 0).data(Qt::ToolTipRole).toString(), "Bog");
    EXPECT_EQ(raekke(program->boksform().programBoks, 1).data(Qt::ToolTipRole).toString(), hint);
    // Drawn as the design draws what is disabled: its colour nearly gone.
    const int farve = farvemaetning(billede(ikon(main, 0), 32));
    EXPECT_GT(farve, 150);
    EXPECT_LT(farvemaetning(billede(ikon(main, 1), 32)) * 2, farve);

    main.buttonClick(0);
    QAction* punkt = del<QMenu>(main, "dropDown")->actions().at(1);
    emit del<QMenu>(main, "dropDown")->hovered(punkt);
    EXPECT_EQ(punkt->toolTip(), hint);
    EXPECT_LT(farvemaetning(billede(punkt->icon(), 16)) * 2, farve);

    vaelg(programBoks(main), 1);
    del<QAction>(main, "aGo")->trigger();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Filen blev ikke fundet!"}));
    EXPECT_EQ(laesBruger("Filer/Dok.txt"), QStringList({bog, noter}));

    // The folder is watched: the file that comes back, and one that goes, are seen.
    mappe.skriv("dok/noter.pdf", "x");
    QFile::remove(bog);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return raekke(programBoks(main), 1).data(Qt::ToolTipRole).toString() == "Noter" &&
                   raekke(programBoks(main), 0).data(Qt::ToolTipRole).toString() ==
                       "Filen findes ikke: " + bog;
        },
        5000));
    EXPECT_GT(farvemaetning(billede(ikon(main, 1), 32)), 150);
}

TEST_F(Elementikoner, ActivatingTheWindowLooksAgainAtFilesOutsideTheWatchedFolders)
{
    const QString fil = mappe.sti("senere/spil.pdf");
    skrivBruger("programgrupper.txt", {"Spil"});
    skrivBruger("Filer/Spil.txt", {fil});
    skrivBruger("Filer/Spiltekst.txt", {"Spil"});
    skrivOptions("Spil");
    Tmainform& main = start();
    EXPECT_FALSE(main.elementmodel().findes(0));
    // Its folder did not exist, so nothing watched it.
    mappe.skriv("senere/spil.pdf", "x");
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QEvent aktiveret(QEvent::ActivationChange);
    QApplication::sendEvent(&main, &aktiveret);
    EXPECT_TRUE(main.elementmodel().findes(0));
    EXPECT_EQ(raekke(programBoks(main), 0).data(Qt::ToolTipRole).toString(), "Spil");
}
