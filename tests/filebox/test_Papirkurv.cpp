#include "Kaede.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace {

// The recycle bin shown in the file list, with a bin of the test's own.
class Papirkurv : public Kaede
{
protected:
    Papirkurv() { platform.papirkurvAegte = true; }

    // Moves entries of a folder into the bin as the file box does.
    void kast(const QString& relativ, const QStringList& navne)
    {
        funk.makeStruktur2(mappe.sti(relativ), true, true);
        marker(navne);
        ASSERT_EQ(funk.DeleteElementer(true), navne.size());
    }
    void visKurv(const QStringList& navne = {})
    {
        funk.visPapirkurv();
        if (!navne.isEmpty())
            marker(navne);
    }
    QString felt(int raekke, int kolonne) const
    {
        return liste.noder().index(raekke, kolonne).data().toString();
    }
    bool findes(const QString& relativ) const { return QFileInfo::exists(mappe.sti(relativ)); }
    int iKurven() const { return static_cast<int>(platform.trashItems().size()); }

    EgenPapirkurv kurv{mappe.sti("data")};
};

} // namespace

TEST_F(Papirkurv, ListsEachItemWithItsOriginalFolderAndDateFoldersFirst)
{
    // Written as another program would, with an encoded name; and a file that
    // lost its info file, shown without a place so it can still be deleted.
    mappe.skriv("data/Trash/files/brev 1.txt", "b");
    mappe.skriv("data/Trash/info/brev 1.txt.trashinfo",
                "[Trash Info]\nPath=" + QUrl::toPercentEncoding(mappe.sti("æ/brev 1.txt"), "/") +
                    "\nDeletionDate=2024-03-01T14:05:09\n");
    mappe.skriv("data/Trash/files/løs.txt", "l");
    mappe.skriv("g/M/inde.txt", "i");
    kast("g", {"M"});

    visKurv();
    EXPECT_TRUE(funk.papirkurvVises());
    ASSERT_EQ(tekster(), QStringList({"M", "brev 1.txt", "løs.txt"}));
    EXPECT_EQ(felt(2, 1), "");
    EXPECT_EQ(liste.noder().columnCount(), 3);
    EXPECT_EQ(liste.noder().headerData(1, Qt::Horizontal, Qt::DisplayRole), "Oprindelig placering");
    EXPECT_EQ(liste.noder().headerData(2, Qt::Horizontal, Qt::DisplayRole), "Slettet");
    EXPECT_EQ(felt(0, 1), mappe.sti("g"));
    EXPECT_EQ(felt(1, 1), mappe.sti("æ"));
    EXPECT_EQ(felt(1, 2), QLocale().toString(QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9)),
                                             QLocale::ShortFormat));
    EXPECT_EQ(liste.noder().index(1, 0).data(Qt::ToolTipRole), mappe.sti("æ/brev 1.txt"));

    // Another folder shown is a folder again, with its one column.
    funk.makeStruktur2(mappe.sti("g"), true, true);
    EXPECT_FALSE(funk.papirkurvVises());
    EXPECT_EQ(liste.noder().columnCount(), 1);
}

TEST_F(Papirkurv, GendanPutsItemsBackAndAsksBeforeAPlaceTakenIsReplaced)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "gammel b");
    mappe.skriv("g/S/c.txt", "c");
    kast("g", {"a.txt", "b.txt"});
    kast("g/S", {"c.txt"});
    ASSERT_TRUE(QDir(mappe.sti("g/S")).removeRecursively());
    mappe.skriv("g/b.txt", "ny b");

    visKurv({"a.txt", "b.txt", "c.txt"});
    beskeder.setNextAnswer(false); // keep the new b.txt
    EXPECT_EQ(funk.Gendan(), 2);
    EXPECT_EQ(mappe.laes("g/a.txt"), "a");
    // A folder gone since is made again.
    EXPECT_EQ(mappe.laes("g/S/c.txt"), "c");
    EXPECT_EQ(mappe.laes("g/b.txt"), "ny b");
    ASSERT_EQ(beskeder.spoergsmaal.size(), 1);
    EXPECT_TRUE(beskeder.spoergsmaal[0].contains(mappe.sti("g/b.txt")));
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
    EXPECT_EQ(tekster(), QStringList{"b.txt"});

    // Replaced, what was there goes into the bin instead of being lost.
    marker({"b.txt"});
    beskeder.setNextAnswer(true);
    EXPECT_EQ(funk.Gendan(), 1);
    EXPECT_EQ(mappe.laes("g/b.txt"), "gammel b");
    EXPECT_EQ(tekster(), QStringList{"b.txt"});
    EXPECT_EQ(platform.trashItems().at(0).original, mappe.sti("g/b.txt").toStdString());
}

TEST_F(Papirkurv, AnItemWhoseInfoIsUnreadableIsNamedAndStays)
{
    mappe.skriv("data/Trash/files/x.txt", "x");
    mappe.skriv("data/Trash/info/x.txt.trashinfo",
                "[Trash Info]\nDeletionDate=2024-03-01T14:05:09\n");
    visKurv({"x.txt"});
    EXPECT_EQ(liste.noder().index(0, 0).data(Qt::ToolTipRole),
              "Den oprindelige placering er ukendt.");
    EXPECT_EQ(funk.Gendan(), -1);
    EXPECT_EQ(funk.antalFejlede(), 1);
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(beskeder.beskeder[0].startsWith("Disse elementer kunne ikke gendannes:\r"));
    EXPECT_TRUE(findes("data/Trash/files/x.txt"));

    EXPECT_EQ(funk.SletFraPapirkurven(), 1);
    EXPECT_FALSE(findes("data/Trash/files/x.txt"));
    EXPECT_FALSE(findes("data/Trash/info/x.txt.trashinfo"));
}

TEST_F(Papirkurv, SletPermanentAsksThenRemovesItemsFromTheBinForGood)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/M/inde.txt", "i");
    kast("g", {"a.txt", "M"});
    visKurv({"a.txt", "M"});

    bekraeftelse.vist.clear();
    bekraeftelse.svar = {false};
    EXPECT_EQ(funk.SletFraPapirkurven(), 0);
    EXPECT_EQ(iKurven(), 2);
    ASSERT_EQ(bekraeftelse.vist.size(), 1u);
    EXPECT_EQ(bekraeftelse.vist[0].kilde, "Papirkurv");
    EXPECT_EQ(bekraeftelse.vist[0].destination, "Ingen: Elementerne slettes permanent.");
    EXPECT_EQ(bekraeftelse.vist[0].filer, QStringList{"a.txt"});

    EXPECT_EQ(funk.SletFraPapirkurven(), 2);
    EXPECT_EQ(iKurven(), 0);
    EXPECT_TRUE(tekster().isEmpty());
    EXPECT_TRUE(QDir(mappe.sti("data/Trash/files")).isEmpty());
    EXPECT_TRUE(QDir(mappe.sti("data/Trash/info")).isEmpty());
    EXPECT_FALSE(findes("g/a.txt"));
}

TEST_F(Papirkurv, SelectingAllOrTheInverseTakesTheBinsRowsWhole)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    mappe.skriv("g/c.txt", "c");
    kast("g", {"a.txt", "b.txt", "c.txt"});
    visKurv({"a.txt"});
    funk.SelectMapperFiler(3);
    ASSERT_EQ(liste.antal(), 3);
    for (int i = 0; i < liste.antal(); ++i)
        EXPECT_EQ(liste.erValgt(i), liste.noder().tekst(i) != "a.txt") << i;
    funk.SelectMapperFiler(1);
    EXPECT_EQ(funk.Gendan(), 3);
    EXPECT_TRUE(findes("g/a.txt") && findes("g/b.txt") && findes("g/c.txt"));
}
