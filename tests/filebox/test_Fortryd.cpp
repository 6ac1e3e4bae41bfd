#include "Kaede.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The file box's logic with a recycle bin of the test's own.
class Fortryd : public Kaede
{
protected:
    Fortryd() { platform.papirkurvAegte = true; }

    void vis(const QString& relativ, const QStringList& navne = {})
    {
        funk.makeStruktur2(mappe.sti(relativ), true, true);
        if (!navne.isEmpty())
            marker(navne);
    }
    // Registers entries of one folder and pastes them into another.
    int saetInd(const QString& fra, const QStringList& navne, const QString& til, bool flyt)
    {
        vis(fra, navne);
        funk.CopyElementer();
        vis(til);
        return funk.PasteElementer(flyt);
    }
    bool findes(const QString& relativ) const { return QFileInfo::exists(mappe.sti(relativ)); }
    QString caption() const { return funk.fortrydelser().caption(); }
    // The message that names one element left as it was.
    QString ikke(const QString& relativ, const QString& grund) const
    {
        return "Disse elementer blev ikke taget tilbage og er, som de var:\r" + mappe.sti(relativ) +
               " (" + grund + ")";
    }

    EgenPapirkurv kurv{mappe.sti("data")};
};

} // namespace

TEST_F(Fortryd, APasteRemovesWhatItMadeButNotWhatChangedOrWasReplaced)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    mappe.skriv("g/c.txt", "ny c");
    mappe.skriv("g/M/inde.txt", "inde");
    mappe.skriv("h/c.txt", "gammel c");
    mappe.skriv("h/egen.txt", "egen");
    beskeder.setNextAnswer(true); // overwrite c.txt
    ASSERT_EQ(saetInd("g", {"a.txt", "b.txt", "c.txt", "M"}, "h", false), 4);
    EXPECT_EQ(caption(), "Fortryd indsættelse");
    mappe.skriv("h/b.txt", "ændret efter");

    EXPECT_EQ(funk.Fortryd(), 2);
    EXPECT_FALSE(findes("h/a.txt"));
    EXPECT_FALSE(findes("h/M"));
    EXPECT_EQ(mappe.laes("h/b.txt"), "ændret efter");
    EXPECT_EQ(mappe.laes("h/c.txt"), "ny c");
    EXPECT_EQ(mappe.laes("h/egen.txt"), "egen");
    EXPECT_EQ(mappe.laes("g/M/inde.txt"), "inde");
    EXPECT_EQ(funk.antalFejlede(), 2);
    ASSERT_EQ(beskeder.beskeder.size(), 1);
    const QString vaentet = "Disse elementer blev ikke taget tilbage og er, som de var:\r" +
                            mappe.sti("h/c.txt") + " (erstattede en fil og bliver)\r" +
                            mappe.sti("h/b.txt") + " (ændret siden)";
    EXPECT_EQ(beskeder.beskeder[0].toStdString(), vaentet.toStdString());
    EXPECT_EQ(tekster(), QStringList({"b.txt", "c.txt", "egen.txt"}));
    EXPECT_TRUE(funk.fortrydelser().tom());
    EXPECT_EQ(caption(), "Fortryd");
}

TEST_F(Fortryd, APastedFolderThatGotNewEntriesKeepsThemAndIsNamedOnce)
{
    mappe.skriv("g/M/inde.txt", "inde");
    mkdir("h");
    ASSERT_EQ(saetInd("g", {"M"}, "h", false), 1);
    mappe.skriv("h/M/U/ny.txt", "ny");
    EXPECT_EQ(funk.Fortryd(), -1);
    EXPECT_FALSE(findes("h/M/inde.txt"));
    EXPECT_EQ(mappe.laes("h/M/U/ny.txt"), "ny");
    EXPECT_EQ(beskeder.beskeder, QStringList{ikke("h/M", "indeholder nye elementer")});
}

TEST_F(Fortryd, AMoveGoesBackExceptOntoANameNowTaken)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/b.txt", "b");
    mappe.skriv("g/M/inde.txt", "inde");
    mkdir("h");
    ASSERT_EQ(saetInd("g", {"a.txt", "b.txt", "M"}, "h", true), 3);
    ASSERT_FALSE(findes("g/a.txt"));
    EXPECT_EQ(caption(), "Fortryd flytning");
    mappe.skriv("g/b.txt", "en anden b");

    EXPECT_EQ(funk.Fortryd(), 2);
    EXPECT_EQ(mappe.laes("g/a.txt"), "a");
    EXPECT_EQ(mappe.laes("g/M/inde.txt"), "inde");
    EXPECT_FALSE(findes("h/a.txt"));
    EXPECT_FALSE(findes("h/M"));
    EXPECT_EQ(mappe.laes("g/b.txt"), "en anden b");
    EXPECT_EQ(mappe.laes("h/b.txt"), "b");
    EXPECT_EQ(beskeder.beskeder, QStringList{ikke("g/b.txt", "stedet er optaget")});
}

TEST_F(Fortryd, RenamesAndNewFoldersAreTakenBackLastFirst)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/c.txt", "c");
    vis("g");
    ASSERT_TRUE(funk.NyMappe(mappe.sti("g")));
    // Named at once: one operation, which removes the folder.
    const int ny = tekster().indexOf("Ny mappe");
    ASSERT_EQ(funk.RenameNode(ny, "Ny mappe", "Fotos", true), "Fotos");
    vis("g", {"a.txt"});
    ASSERT_EQ(funk.RenameNode(liste.valgt(), "a.txt", "b", false), "b.txt");
    vis("g", {"c.txt"});
    ASSERT_EQ(funk.RenameNode(liste.valgt(), "c.txt", "d.txt", false), "d.txt");
    mappe.skriv("g/c.txt", "en ny c");

    EXPECT_EQ(caption(), "Fortryd omdøbning");
    EXPECT_EQ(funk.Fortryd(), -1);
    EXPECT_EQ(mappe.laes("g/d.txt"), "c");
    EXPECT_EQ(funk.Fortryd(), 1);
    EXPECT_EQ(mappe.laes("g/a.txt"), "a");
    EXPECT_FALSE(findes("g/b.txt"));
    EXPECT_EQ(caption(), "Fortryd ny mappe");
    EXPECT_EQ(funk.Fortryd(), 1);
    EXPECT_FALSE(findes("g/Fotos"));
    EXPECT_EQ(tekster(), QStringList({"a.txt", "c.txt", "d.txt"}));
}

TEST_F(Fortryd, ANewFolderThatIsNoLongerEmptyStays)
{
    vis("g");
    mkdir("g");
    vis("g");
    ASSERT_TRUE(funk.NyMappe(mappe.sti("g")));
    mappe.skriv("g/Ny mappe/brev.txt", "b");
    EXPECT_EQ(funk.Fortryd(), -1);
    EXPECT_EQ(mappe.laes("g/Ny mappe/brev.txt"), "b");
    EXPECT_EQ(beskeder.beskeder.last(), ikke("g/Ny mappe", "er ikke tom"));
}

TEST_F(Fortryd, ADeleteToTheTrashComesBackUnlessItsFolderIsGone)
{
    mappe.skriv("g/a.txt", "a");
    mappe.skriv("g/M/inde.txt", "inde");
    mappe.skriv("g/S/c.txt", "c");
    vis("g", {"a.txt", "M"});
    ASSERT_EQ(funk.DeleteElementer(true), 2);
    EXPECT_EQ(caption(), "Fortryd sletning");
    vis("g/S", {"c.txt"});
    ASSERT_EQ(funk.DeleteElementer(true), 1);
    ASSERT_TRUE(QDir(mappe.sti("g/S")).removeRecursively());

    EXPECT_EQ(funk.Fortryd(), -1);
    EXPECT_EQ(beskeder.beskeder.last(), ikke("g/S/c.txt", "mappen findes ikke mere"));
    EXPECT_EQ(funk.Fortryd(), 2);
    EXPECT_EQ(mappe.laes("g/a.txt"), "a");
    EXPECT_EQ(mappe.laes("g/M/inde.txt"), "inde");
    // The one that could not come back is still in the bin.
    const std::vector<Platform::TrashItem> tilbage = platform.trashItems();
    ASSERT_EQ(tilbage.size(), 1u);
    EXPECT_EQ(tilbage[0].original, mappe.sti("g/S/c.txt").toStdString());
}

TEST_F(Fortryd, APermanentDeleteIsNotKeptAndARefusedPasteNeither)
{
    mappe.skriv("g/a.txt", "a");
    vis("g", {"a.txt"});
    ASSERT_EQ(funk.DeleteElementer(false), 1);
    mappe.skriv("g/b.txt", "b");
    funk.CopyElementer();
    EXPECT_EQ(saetInd("g", {"b.txt"}, "g", false), 0);
    EXPECT_TRUE(funk.fortrydelser().tom());
    EXPECT_EQ(funk.Fortryd(), 0);
}
