#include "Filvagt.h"
#include "MenuFiler.h"
#include "Testmappe.h"

#include <QAction>
#include <QMenu>

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QStringList stier(const TReopenFiler& r)
{
    QStringList ud;
    for (const auto& e : r.entries())
        ud << e.Filnavn;
    return ud;
}

TReopenFiler mapper()
{
    TReopenFiler r;
    r.Itemtype = TReopenFiler::itAndet;
    return r;
}

} // namespace

TEST(ReopenFiler, MostRecentFirstAndEachPathOnce)
{
    TReopenFiler r = mapper();
    r.Itemtype = TReopenFiler::itBibliotek;
    for (const char* s : {"A", "B", "C", "A"})
        r.InsertItem(s, s);
    EXPECT_EQ(stier(r), QStringList({"A", "C", "B"}));
    r.InsertItem("C:\\Data", "Data");
    r.InsertItem("c:\\data", "data");
    EXPECT_EQ(r.Antal(), 5);
}

TEST(ReopenFiler, AFullListDropsTheOldest)
{
    TReopenFiler r = mapper();
    for (int i = 0; i < 11; ++i)
        r.InsertItem(QString::number(i), QString::number(i));
    EXPECT_EQ(r.Antal(), 10);
    EXPECT_EQ(stier(r).first(), "10");
    EXPECT_EQ(stier(r).last(), "1");
    r.Filantal = 0;
    r.DeleteAllItems();
    r.InsertItem("x", "x");
    EXPECT_EQ(r.Antal(), 0);
}

TEST(ReopenFiler, FilesMustExistForItFil)
{
    Testmappe mappe;
    TReopenFiler r;
    r.InsertItem(mappe.sti("mangler.txt"), "m");
    EXPECT_EQ(r.Antal(), 0);
    r.InsertItem(mappe.skriv("findes.txt", "x"), "f");
    EXPECT_EQ(r.Antal(), 1);
}

TEST(ReopenFiler, DeletingByPathCaptionAndPlace)
{
    TReopenFiler r = mapper();
    for (const char* s : {"c", "b", "a"})
        r.InsertItem(QString("/") + s, QString(s).toUpper());
    r.DeleteItem("/b");
    r.DeleteItem("/findes-ikke");
    EXPECT_EQ(stier(r), QStringList({"/a", "/c"}));
    r.DeleteItemByCaption("C");
    EXPECT_EQ(stier(r), QStringList({"/a"}));
    r.DeleteItem(-1);
    r.DeleteItem(5);
    EXPECT_EQ(r.GetCaption(0), "A");
    EXPECT_TRUE(r.GetCaption(1).isEmpty());
    r.DeleteItem(0);
    EXPECT_EQ(r.Antal(), 0);
}

TEST(ReopenFiler, FileHoldsTheLimitTheCountAndThePairs)
{
    Testmappe mappe;
    TReopenFiler r = mapper();
    r.Itemfile = mappe.sti("reopen.txt");
    r.InsertItem("D:\\Projekter", "Projekter");
    r.InsertItem("C:\\Users\\kontor\\Music", "Musik");
    ASSERT_TRUE(r.GemReopenFiler().isEmpty());
    EXPECT_EQ(
        mappe.laes("reopen.txt"),
        QByteArray(
            "10\r\n2\r\nMusik\r\nC:\\Users\\kontor\\Music\r\nProjekter\r\nD:\\Projekter\r\n"));

    TReopenFiler igen = mapper();
    igen.Itemfile = r.Itemfile;
    igen.Filantal = 3;
    igen.HentReopenFiler();
    EXPECT_EQ(igen.Filantal, 10);
    EXPECT_EQ(igen.entries(), r.entries());

    igen.DeleteAllItems();
    ASSERT_TRUE(igen.GemReopenFiler().isEmpty());
    EXPECT_EQ(mappe.laesLinjer("reopen.txt"), QStringList({"10", "0"}));
}

TEST(ReopenFiler, DamagedFilesGiveWhatCanBeRead)
{
    Testmappe mappe;
    TReopenFiler r = mapper();
    r.Itemfile = mappe.sti("reopen.txt");

    mappe.skrivLinjer("reopen.txt", {"5"});
    r.HentReopenFiler();
    EXPECT_EQ(r.Filantal, 10);
    EXPECT_EQ(r.Antal(), 0);

    mappe.skrivLinjer("reopen.txt", {"10", "4", "A", "/a", "B"});
    r.HentReopenFiler();
    EXPECT_EQ(stier(r), QStringList({"/a"}));

    mappe.skrivLinjer("reopen.txt", {"ti", "to", "A", "/a", "B", "/b"});
    r.HentReopenFiler();
    EXPECT_EQ(r.Filantal, 10);
    EXPECT_EQ(stier(r), QStringList({"/a", "/b"}));

    mappe.skrivLinjer("reopen.txt", {"1", "-3", "A", "/a", "B", "/b"});
    r.HentReopenFiler();
    EXPECT_EQ(r.Antal(), 0);

    mappe.skrivLinjer("reopen.txt", {"1", "2", "A", "/a", "B", "/b"});
    r.HentReopenFiler();
    EXPECT_EQ(stier(r), QStringList({"/a"}));

    // A limit no menu can show is damage: the default limit, and what the file holds.
    for (const char* graense : {"2147483647", "101", "-1"}) {
        mappe.skrivLinjer("reopen.txt", {graense, "2147483647", "A", "/a", "B", "/b"});
        r.HentReopenFiler();
        EXPECT_EQ(r.Filantal, 10) << graense;
        EXPECT_EQ(stier(r), QStringList({"/a", "/b"})) << graense;
    }
}

TEST(ReopenFiler, AnUnreadableFileIsAnEmptyListKeptUntilTheListChanges)
{
    Testmappe mappe;
    Filvagt vagt;
    TReopenFiler r = mapper();
    r.Itemfile = mappe.skriv("reopen.txt", QByteArray("10\r\n\0\0\r\n", 8));
    r.vagt = &vagt;
    r.Filantal = 3;
    r.HentReopenFiler();
    EXPECT_EQ(r.Antal(), 0);
    EXPECT_EQ(r.Filantal, 10);
    ASSERT_TRUE(r.GemReopenFiler().isEmpty());
    EXPECT_EQ(mappe.laes("reopen.txt"), QByteArray("10\r\n\0\0\r\n", 8));
    r.InsertItem("/a", "a");
    ASSERT_TRUE(r.GemReopenFiler().isEmpty());
    EXPECT_EQ(mappe.laesLinjer("reopen.txt"), QStringList({"10", "1", "a", "/a"}));
}

TEST(ReopenFiler, DeletingTheItemFileForgetsIt)
{
    Testmappe mappe;
    TReopenFiler r = mapper();
    r.Itemfile = mappe.skrivLinjer("reopen.txt", {"10", "0"});
    r.InsertItem("x", "x");
    r.DeleteItemFile();
    EXPECT_FALSE(QFileInfo::exists(mappe.sti("reopen.txt")));
    EXPECT_TRUE(r.Itemfile.isEmpty());
    EXPECT_EQ(r.Antal(), 0);
    EXPECT_TRUE(r.GemReopenFiler().isEmpty());
}

namespace {

// The main window's recent folders, under a menu whose first two items are its own.
struct Menufiler
{
    Menufiler()
    {
        r.Itemtype = TReopenFiler::itBibliotek;
        r.MenuStartNr = 2;
        r.ImageStartNr = 34;
        r.MedMenuStreg = true;
        r.DeleteItemCap = "Slet listen";
        r.DeleteItemHint = "Start en ny liste";
        r.Billeder = {QIcon(), QIcon()};
        r.MainItem = &menu;
        r.OnKlik = [this](QAction*, const QString& f) { valgt << f; };
        menu.addAction("Mapper");
        menu.addSeparator();
    }
    QStringList tekster() const
    {
        QStringList ud;
        for (const QAction* a : menu.actions())
            ud << (a->isSeparator() ? QString("-") : a->text());
        return ud;
    }
    Testmappe mappe;
    QMenu menu;
    TReopenFiler r;
    QStringList valgt;
};

} // namespace

TEST(ReopenFiler, TheMenuShowsTheEntriesThenASeparatorAndSletListen)
{
    Menufiler m;
    m.r.MakeMenu(0);
    EXPECT_EQ(m.tekster(), QStringList({"Mapper", "-"}));
    for (const char* s : {"C", "B", "A"})
        m.r.InsertItem(m.mappe.sti(s), s);
    m.r.MakeMenu(0);
    EXPECT_EQ(m.tekster(), QStringList({"Mapper", "-", "A", "B", "C", "-", "Slet listen"}));
    EXPECT_EQ(m.menu.actions().at(3)->statusTip(), m.mappe.sti("B"));
    EXPECT_EQ(m.menu.actions().at(6)->statusTip(), "Start en ny liste");
    m.r.MakeMenu(0);
    EXPECT_EQ(m.menu.actions().size(), 7);

    m.menu.actions().at(6)->trigger();
    EXPECT_EQ(m.r.Antal(), 0);
    EXPECT_EQ(m.tekster(), QStringList({"Mapper", "-"}));
}

TEST(ReopenFiler, ChoosingAnEntryRunsOnKlikAndAVanishedFolderLeavesTheList)
{
    Menufiler m;
    QDir().mkpath(m.mappe.sti("Findes"));
    m.r.InsertItem(m.mappe.sti("Væk"), "Væk");
    m.r.InsertItem(m.mappe.sti("Findes"), "Findes & mere");
    m.r.MakeMenu(-1);
    EXPECT_EQ(m.menu.actions().at(2)->text(), "Findes && mere");
    m.menu.actions().at(2)->trigger();
    m.menu.actions().at(3)->trigger();
    EXPECT_EQ(m.valgt, QStringList({m.mappe.sti("Findes"), QString()}));
    EXPECT_EQ(stier(m.r), QStringList{m.mappe.sti("Findes")});
}

TEST(ReopenFiler, GetBibliotekGivesTheLastFolderName)
{
    Testmappe mappe;
    QDir().mkpath(mappe.sti("Arkiv/Projekt.old"));
    const QString fil = mappe.skriv("Arkiv/noter.txt", "x");
    EXPECT_EQ(TReopenFiler::GetBibliotek(mappe.sti("Arkiv")), "Arkiv");
    EXPECT_EQ(TReopenFiler::GetBibliotek(mappe.sti("Arkiv/")), "Arkiv");
    EXPECT_EQ(TReopenFiler::GetBibliotek(mappe.sti("Arkiv/Projekt.old")), "Projekt.old");
    EXPECT_EQ(TReopenFiler::GetBibliotek(fil), "Arkiv");
    EXPECT_EQ(TReopenFiler::GetBibliotek(mappe.sti("mangler")), "");
    EXPECT_EQ(TReopenFiler::GetBibliotek(""), "");
    EXPECT_EQ(TReopenFiler::GetBibliotek("/"), "/");
}
