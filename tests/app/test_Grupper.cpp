#include "Programtest.h"
#include "boks.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

using GrupperSide = Programtest;

TEST_F(GrupperSide, ANewGroupIsAddedAtTheEndAndNotMadeActive)
{
    Tmainform& main = startMed({"Spil"}, "Spil");
    Tboksform& boks = program->boksform();
    boks.gEdit->setText("Arbejde");
    QTest::keyClick(boks.gEdit, Qt::Key_Return);
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"Spil", "Arbejde"}));
    EXPECT_EQ(boks.gruppeBoks->count(), 2);
    EXPECT_TRUE(boks.gEdit->text().isEmpty());
    EXPECT_EQ(main.grupperne().gruppenavn, "Spil");
    EXPECT_TRUE(del<QAction>(main, "Afrem")->isEnabled());
    boks.nyGruppeKnapClick();
    // A name that is there already, in any case, would share its files.
    boks.gEdit->setText("spil");
    boks.nyGruppeKnapClick();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der mangler et gruppenavn!",
                                              "Der findes allerede en gruppe med navnet Spil!"}));
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"Spil", "Arbejde"}));
}

TEST_F(GrupperSide, NamesThatCannotBeFileNamesOrShareAnotherGroupsFilesAreRefused)
{
    startMed({"Spil"}, "Spil");
    Tboksform& boks = program->boksform();
    for (const QString navn : {"a/b", "..", ".", " Spil", "Spil ", "x:y", "Spiltekst", "tab\t"}) {
        boks.gEdit->setText(navn);
        boks.nyGruppeKnapClick();
    }
    EXPECT_EQ(beskeder.beskeder.size(), 8);
    EXPECT_TRUE(beskeder.beskeder.last().startsWith("Gruppenavnet \"tab\t\" kan ikke bruges"));
    EXPECT_TRUE(beskeder.beskeder.at(6).contains("gruppen \"Spil\""));
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"Spil"}));
    EXPECT_EQ(Grupper::navnFejl("Sp", {"Sptekst"}).isEmpty(), false);
    EXPECT_TRUE(Grupper::navnFejl("Sommerferie 2024", {"Spil"}).isEmpty());
}

TEST_F(GrupperSide, SortingFollowsTheLocaleIgnoringCase)
{
    startMed({"beta", "Alfa", "Gamma"}, "Alfa");
    program->boksform().sorterKnapClick();
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"Alfa", "beta", "Gamma"}));
    EXPECT_EQ(program->boksform().gruppeBoks->item(1)->text(), "beta");
}

TEST_F(GrupperSide, DeletingTheActiveGroupRemovesItsFilesAfterTheQuestion)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& boks = program->boksform();
    boks.sletKnapClick();
    EXPECT_EQ(beskeder.spoergsmaal, QStringList({"Skal programgruppen A slettes?"}));
    EXPECT_TRUE(QFileInfo::exists(bruger("Filer/A.txt")));
    beskeder.setNextAnswer(true);
    boks.sletKnapClick();
    EXPECT_FALSE(QFileInfo::exists(bruger("Filer/A.txt")));
    EXPECT_FALSE(QFileInfo::exists(bruger("Filer/Atekst.txt")));
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"B"}));
    EXPECT_TRUE(main.grupperne().gruppenavn.isEmpty());
    EXPECT_EQ(antal(programBoks(main)), 0);
    EXPECT_FALSE(del<QAction>(main, "Afrem")->isEnabled());
}

TEST_F(GrupperSide, RenamingMovesTheFilesAndNeverOverwritesAnotherGroup)
{
    Tmainform& main = startMed({"A", "B"}, "A");
    Tboksform& boks = program->boksform();
    const QStringList bFiler = laesBruger("Filer/B.txt");
    boks.valgtGruppeEdit->setText("B");
    boks.redigerKnapClick();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der findes allerede en gruppe med navnet B!"}));
    EXPECT_EQ(laesBruger("Filer/B.txt"), bFiler);
    EXPECT_TRUE(QFileInfo::exists(bruger("Filer/A.txt")));

    boks.valgtGruppeEdit->setText("Atekst");
    boks.redigerKnapClick();
    EXPECT_EQ(beskeder.beskeder.size(), 2);

    boks.valgtGruppeEdit->setText("Ny");
    boks.redigerKnapClick();
    EXPECT_EQ(laesBruger("programgrupper.txt"), QStringList({"Ny", "B"}));
    EXPECT_FALSE(QFileInfo::exists(bruger("Filer/A.txt")));
    EXPECT_EQ(laesBruger("Filer/Nytekst.txt"), QStringList({"A1", "A2", "A3"}));
    EXPECT_EQ(main.grupperne().filnavn, bruger("Filer/Ny.txt"));
    EXPECT_EQ(main.windowTitle(), "Ny");
    EXPECT_EQ(boks.valgtGruppe(), 0);
}
