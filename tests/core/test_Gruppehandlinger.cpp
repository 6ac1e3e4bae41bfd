#include "Grupper.h"
#include "Testmappe.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// Groups in a temporary "Filer" folder; `aktiv` is the active one, with files.
struct Gruppesaet
{
    Testmappe mappe;
    Grupper g;

    Gruppesaet(const QStringList& grupper, const QStringList& lager, const QString& aktiv = {})
    {
        g.DirFiler = mappe.sti("Filer") + QDir::separator();
        QDir().mkpath(mappe.sti("Filer"));
        g.gruppeliste = grupper;
        g.lagerliste = lager;
        if (!aktiv.isEmpty()) {
            mappe.skrivLinjer("Filer/" + aktiv + ".txt", {"/a/x.exe"});
            mappe.skrivLinjer("Filer/" + aktiv + "tekst.txt", {"X"});
            g.aktiver(aktiv);
        }
    }
    bool findes(const QString& fil) const { return QFileInfo::exists(mappe.sti("Filer/" + fil)); }
};

} // namespace

TEST(Gruppehandlinger, ANewGroupNeedsAUsableNameThatNoOtherGroupsFilesHave)
{
    Gruppesaet s({"Spil"}, {"Arkiv"});
    EXPECT_EQ(s.g.nyGruppe(""), "Der mangler et gruppenavn!");
    EXPECT_EQ(s.g.nyGruppe("a/b"), "Gruppenavnet \"a/b\" kan ikke bruges,\r"
                                   "fordi det ikke kan være en del af et filnavn.");
    // The storage groups' files count as much as the program groups'.
    EXPECT_EQ(s.g.nyGruppe("Arkivtekst"), "Gruppenavnet \"Arkivtekst\" kan ikke bruges,\r"
                                          "fordi gruppen \"Arkiv\" har en fil med samme navn.");
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Spil"}));
    EXPECT_TRUE(s.g.nyGruppe("Musik").isEmpty());
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Spil", "Musik"}));
    // A name that is there already, in either list and in any case, would share
    // that group's files.
    for (const QString navn : {"Musik", "spil", "ARKIV"})
        EXPECT_EQ(s.g.nyGruppe(navn).left(41), "Der findes allerede en gruppe med navnet ");
    EXPECT_EQ(s.g.nyGruppe("spil"), "Der findes allerede en gruppe med navnet Spil!");
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Spil", "Musik"}));
}

// Lists of an older version or edited by hand may name a group twice: it is one
// group, and deleting one entry never takes the files another entry names.
TEST(Gruppehandlinger, ANameListedTwiceIsOneGroupAndKeepsItsFiles)
{
    QStringList grupper{"Spil", "Musik", "Spil"}, lager{"Musik", "Arkiv", "Arkiv"};
    Grupper::fjernDubletter(grupper, lager);
    EXPECT_EQ(grupper, QStringList({"Spil", "Musik"}));
    EXPECT_EQ(lager, QStringList({"Arkiv"}));

    Gruppesaet s({"Spil", "Musik", "Spil"}, {"spil"}, "Spil");
    EXPECT_TRUE(s.g.sletAktiv().isEmpty());
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Musik", "Spil"}));
    EXPECT_TRUE(s.findes("Spil.txt"));
    EXPECT_TRUE(s.findes("Spiltekst.txt"));
    s.g.aktiver("Spil");
    EXPECT_TRUE(s.g.sletAktiv().isEmpty());
    // The storage entry differs in case only: its files may be the same ones.
    EXPECT_TRUE(s.findes("Spil.txt"));
    s.g.lagerliste.clear();
    s.g.gruppeliste << "Spil";
    s.g.aktiver("Spil");
    EXPECT_TRUE(s.g.sletAktiv().isEmpty());
    EXPECT_FALSE(s.findes("Spil.txt"));
    EXPECT_FALSE(s.findes("Spiltekst.txt"));
}

TEST(Gruppehandlinger, SortingIgnoresCaseAndKeepsEqualNamesInOrder)
{
    Gruppesaet s({"b", "A", "c", "a", "B"}, {});
    s.g.sorter();
    EXPECT_EQ(s.g.gruppeliste, QStringList({"A", "a", "b", "B", "c"}));
}

TEST(Gruppehandlinger, DeletingTakesTheActiveGroupsFilesAndPlace)
{
    Gruppesaet s({"Spil", "Musik"}, {}, "Spil");
    ASSERT_TRUE(s.findes("Spil.txt"));
    EXPECT_TRUE(s.g.sletAktiv().isEmpty());
    EXPECT_FALSE(s.findes("Spil.txt"));
    EXPECT_FALSE(s.findes("Spiltekst.txt"));
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Musik"}));
    EXPECT_TRUE(s.g.gruppenavn.isEmpty());
    EXPECT_TRUE(s.g.programliste.isEmpty());
    // Nothing active: nothing to delete.
    EXPECT_EQ(s.g.sletAktiv(), "Der mangler et gruppenavn!");
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Musik"}));
}

TEST(Gruppehandlinger, RenamingMovesTheFilesAndNeverTakesAnotherGroupsName)
{
    Gruppesaet s({"Spil", "Musik"}, {"Arkiv"}, "Spil");
    for (const QString navn : {"Musik", "Arkiv"}) {
        EXPECT_EQ(s.g.omdoebAktiv(navn), "Der findes allerede en gruppe med navnet " + navn + "!");
        EXPECT_EQ(s.g.gruppenavn, "Spil");
    }
    EXPECT_EQ(s.g.omdoebAktiv("musik"), "Der findes allerede en gruppe med navnet musik!");
    EXPECT_FALSE(s.g.omdoebAktiv("Spiltekst").isEmpty());
    for (const QString intet : {"", "Spil"})
        EXPECT_TRUE(s.g.omdoebAktiv(intet).isEmpty());
    EXPECT_TRUE(s.findes("Spil.txt"));

    EXPECT_TRUE(s.g.omdoebAktiv("Lege").isEmpty());
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Lege", "Musik"}));
    EXPECT_EQ(s.g.gruppenavn, "Lege");
    EXPECT_EQ(QDir::fromNativeSeparators(s.g.filnavn), s.mappe.sti("Filer/Lege.txt"));
    EXPECT_EQ(s.mappe.laesLinjer("Filer/Lege.txt"), QStringList({"/a/x.exe"}));
    EXPECT_EQ(s.mappe.laesLinjer("Filer/Legetekst.txt"), QStringList({"X"}));
    EXPECT_FALSE(s.findes("Spil.txt"));
    // The group itself may change the case of its name.
    EXPECT_TRUE(s.g.omdoebAktiv("lege").isEmpty());
    EXPECT_EQ(s.g.gruppeliste, QStringList({"lege", "Musik"}));
}

TEST(Gruppehandlinger, RenamingNeverWritesOverAStrayFile)
{
    Gruppesaet s({"Spil"}, {}, "Spil");
    s.mappe.skrivLinjer("Filer/Lege.txt", {"/egen/fil"});
    EXPECT_TRUE(s.g.omdoebAktiv("Lege").isEmpty());
    EXPECT_EQ(s.mappe.laesLinjer("Filer/Lege.txt"), QStringList({"/egen/fil"}));
    EXPECT_TRUE(s.findes("Spil.txt"));
    EXPECT_TRUE(s.findes("Legetekst.txt"));
}

TEST(Gruppehandlinger, AGroupWithoutFilesIsActiveAndEmpty)
{
    Gruppesaet s({"Spil", "Ny"}, {}, "Spil");
    ASSERT_EQ(s.g.programliste.size(), 1);
    s.g.aktiver("Ny");
    EXPECT_EQ(s.g.gruppenavn, "Ny");
    EXPECT_EQ(QDir::fromNativeSeparators(s.g.tekstnavn), s.mappe.sti("Filer/Nytekst.txt"));
    EXPECT_TRUE(s.g.programliste.isEmpty());
    EXPECT_TRUE(s.g.tekstliste.isEmpty());
}

TEST(Gruppehandlinger, MovedGroupsKeepTheirOrderAtTheEndOfTheOtherList)
{
    QStringList fra{"A", "B", "C", "D"}, til{"L"};
    Grupper::flytGrupper(fra, til, {1, 3});
    EXPECT_EQ(fra, QStringList({"A", "C"}));
    EXPECT_EQ(til, QStringList({"L", "B", "D"}));
}

TEST(Gruppehandlinger, SavedListsEmptyTheActiveGroupWhenItWentToStorage)
{
    Gruppesaet s({"Spil", "Musik"}, {}, "Spil");
    Grupper::Lagerudfald u = s.g.saetLister({"Spil"}, {"Musik"});
    EXPECT_EQ(u.besked, "Forandringer gemmes!");
    EXPECT_FALSE(u.aktivRyddet);
    EXPECT_EQ(s.g.lagerliste, QStringList({"Musik"}));

    u = s.g.saetLister({"Musik"}, {"Spil"});
    EXPECT_EQ(u.besked, "Aktuelle gruppe er sat på lager!");
    EXPECT_TRUE(u.aktivRyddet);
    EXPECT_TRUE(s.g.gruppenavn.isEmpty());
    EXPECT_EQ(s.g.gruppeliste, QStringList({"Musik"}));
    EXPECT_TRUE(s.findes("Spil.txt"));

    // Without an active group there is nothing to tell.
    u = s.g.saetLister({"Spil", "Musik"}, {});
    EXPECT_TRUE(u.besked.isEmpty());
}
