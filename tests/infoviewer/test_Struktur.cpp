#include "FakePlatform.h"
#include "SkriptedeBeskeder.h"
#include "Struktur.h"
#include "Testmappe.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Opstilling
{
    Testmappe mappe;
    FakePlatform platform{mappe.sti("Tavlum").toStdString()};
    SkriptedeBeskeder beskeder;
    TStruktur struktur{platform, [this](const QString& t) { beskeder.besked(t); }};

    Opstilling()
    {
        struktur.Strukturfile = mappe.sti("struktur.txt");
        struktur.Datafile = mappe.sti("data.txt");
        struktur.Infomappe = mappe.sti("tekstfiler") + '/';
        struktur.DataOn = true;
    }
    // Each topic as its depth in TABs, its text and its data string.
    QStringList træ() const
    {
        QStringList linjer;
        for (const QTreeWidgetItem* e : struktur.emner()) {
            int d = 0;
            for (auto* p = e->parent(); p; p = p->parent())
                ++d;
            linjer << QString(d, '\t') + e->text(0) + "=" + TStruktur::data(e);
        }
        return linjer;
    }
    QTreeWidgetItem* emne(const QString& tekst) const
    {
        for (QTreeWidgetItem* e : struktur.emner())
            if (e->text(0) == tekst)
                return e;
        return nullptr;
    }
    void vaelg(const QString& tekst) { struktur.setCurrentItem(emne(tekst)); }
};

} // namespace

TEST(Struktur, ReadsBothFilesInStepAndWritesThemBackTheSame)
{
    Opstilling o;
    o.mappe.skrivLinjer("struktur.txt", {"Start", "\tGrupper", "\t\tNye", " Filboksen", "Slut"});
    o.mappe.skrivLinjer("data.txt", {"1Start", "0Grupper", "2Nye grupper", "3Filboks", "0Slut"});
    ASSERT_TRUE(o.struktur.HentStruktur());
    EXPECT_EQ(o.træ(), (QStringList{"Start=1Start", "\tGrupper=0Grupper", "\t\tNye=2Nye grupper",
                                    "\tFilboksen=3Filboks", "Slut=0Slut"}));
    EXPECT_FALSE(o.struktur.Modified);
    const QByteArray struktur = o.mappe.laes("struktur.txt");
    const QByteArray data = o.mappe.laes("data.txt");
    ASSERT_TRUE(o.struktur.GemStruktur());
    EXPECT_EQ(o.mappe.laes("data.txt"), data);
    EXPECT_EQ(o.mappe.laes("struktur.txt"),
              "Start\r\n\tGrupper\r\n\t\tNye\r\n\tFilboksen\r\nSlut\r\n");
    EXPECT_NE(struktur, o.mappe.laes("struktur.txt")); // the blank became a TAB

    // A first topic whose Windows-1252 bytes would read as a byte-order mark.
    o.struktur.topLevelItem(0)->setText(0, "ÿþStart");
    ASSERT_TRUE(o.struktur.GemStruktur());
    ASSERT_TRUE(o.struktur.HentStruktur());
    EXPECT_EQ(o.træ().first(), "ÿþStart=1Start");
}

TEST(Struktur, AMissingDataFileIsWrittenWithKindZeroAndTheTextsAsPages)
{
    Opstilling o;
    o.mappe.skrivLinjer("struktur.txt", {"Tavlum", "\tIndfør element"});
    ASSERT_TRUE(o.struktur.HentStruktur());
    EXPECT_EQ(o.mappe.laesLinjer("data.txt"), (QStringList{"0Tavlum", "0Indfør element"}));
    EXPECT_EQ(o.mappe.laes("data.txt"), "0Tavlum\r\n0Indf\xf8r element\r\n");
    EXPECT_EQ(o.træ(), (QStringList{"Tavlum=0Tavlum", "\tIndfør element=0Indfør element"}));
}

TEST(Struktur, MalformedFilesLoseNoTopic)
{
    Opstilling o;
    // A jump of two levels, a data line without its kind, and a data file one line short.
    o.mappe.skrivLinjer("struktur.txt", {"A", "\t\t\tB", "\tC", "D"});
    o.mappe.skrivLinjer("data.txt", {"1Aside", "Bside", "2Cside"});
    ASSERT_TRUE(o.struktur.HentStruktur());
    EXPECT_EQ(o.træ(), (QStringList{"A=1Aside", "\tB=0B", "\tC=2Cside", "D=0D"}));
    EXPECT_TRUE(o.beskeder.beskeder.isEmpty());

    Opstilling ingen;
    EXPECT_FALSE(ingen.struktur.HentStruktur());
    EXPECT_EQ(ingen.struktur.topLevelItemCount(), 0);
    EXPECT_EQ(ingen.struktur.getTheSelectedIndex(), -1);
}

TEST(Struktur, SavingNeedsBothFileNamesAndKeepsTheFilesInStep)
{
    Opstilling o;
    o.struktur.NyNode("Start", "Start", 1, false, false);
    o.struktur.Datafile.clear();
    EXPECT_FALSE(o.struktur.GemStruktur());
    EXPECT_FALSE(QFile::exists(o.mappe.sti("struktur.txt")));
    EXPECT_TRUE(o.struktur.Modified);

    // The tree file cannot be written: the data file goes back to what it was.
    Opstilling l;
    l.mappe.skrivLinjer("data.txt", {"0Gammel"});
    l.struktur.Strukturfile = l.mappe.sti("mangler/struktur.txt");
    l.struktur.NyNode("Ny", "Ny", 0, false, false);
    EXPECT_FALSE(l.struktur.GemStruktur());
    EXPECT_EQ(l.mappe.laesLinjer("data.txt"), QStringList{"0Gammel"});
    EXPECT_EQ(l.beskeder.beskeder.size(), 1);
}

TEST(Struktur, NewTopicsGoWhereTheAttachModeSays)
{
    const std::pair<TNodeAttachMode, QStringList> tilfaelde[] = {
        {naAdd, {"A=0A", "\tB=0B", "\tC=0C", "\tNy=3Ny"}},
        {naAddFirst, {"A=0A", "\tNy=3Ny", "\tB=0B", "\tC=0C"}},
        {naAddChild, {"A=0A", "\tB=0B", "\tC=0C", "\t\tNy=3Ny"}},
        {naAddChildFirst, {"A=0A", "\tB=0B", "\tC=0C", "\t\tNy=3Ny"}},
        {naInsert, {"A=0A", "\tB=0B", "\tNy=3Ny", "\tC=0C"}},
    };
    for (const auto& [mode, ventet] : tilfaelde) {
        Opstilling o;
        o.struktur.NyNode("A", "A", 0, false, false);
        o.vaelg("A");
        o.struktur.Flytmode = naAddChild;
        o.struktur.NyNode("B", "B", 0, false, false);
        o.struktur.NyNode("C", "C", 0, false, false);
        o.vaelg("C");
        o.struktur.Flytmode = mode;
        o.struktur.NyNode("  Ny\t", "Ny", 3, false, false);
        EXPECT_EQ(o.træ(), ventet) << mode;
    }
}

TEST(Struktur, KindsStayOneDigitSoThePageNameSurvivesASaveAndLoad)
{
    Opstilling o;
    o.struktur.NyNode("Side", "Side", 10, false, true);
    EXPECT_FALSE(o.struktur.Modified);
    EXPECT_EQ(o.mappe.laesLinjer("data.txt"), QStringList{"0Side"});
    ASSERT_TRUE(o.struktur.HentStruktur());
    o.vaelg("Side");
    EXPECT_EQ(o.struktur.SelectedData(), "Side");
}

TEST(Struktur, SortingWithSaveAskedForSaves)
{
    Opstilling o;
    o.struktur.NyNode("B", "B", 0, false, false);
    o.struktur.NyNode("A", "A", 0, true, true);
    EXPECT_EQ(o.mappe.laesLinjer("struktur.txt"), (QStringList{"A", "B"}));
    EXPECT_FALSE(o.struktur.Modified);

    o.vaelg("B");
    o.struktur.RedigerNode("0", "Nul", 2, true, false);
    EXPECT_EQ(o.træ(), (QStringList{"0=2Nul", "A=0A"}));
    EXPECT_TRUE(o.struktur.Modified);
    o.struktur.clearSelection();
    o.struktur.RedigerNode("Intet", "Intet", 0, false, false);
    EXPECT_EQ(o.træ(), (QStringList{"0=2Nul", "A=0A"}));
}

TEST(Struktur, FindsTopicsByTheirPageNames)
{
    Opstilling o;
    o.mappe.skrivLinjer("struktur.txt", {"Tavlum", "\tGrupper", "\t\tNy gruppe"});
    o.mappe.skrivLinjer("data.txt", {"1Tavlum", "0Grupper", "0Ny gruppe"});
    o.struktur.HentStruktur();
    EXPECT_TRUE(o.struktur.setSelected("tekstfiler/Grupper.html"));
    EXPECT_FALSE(o.struktur.setSelected("Grupper.html")); // already selected
    EXPECT_FALSE(o.struktur.setSelected("grupper.html")); // case counts
    EXPECT_EQ(o.struktur.SelectedData(), "Grupper");
    EXPECT_EQ(o.struktur.getTheSelectedIndex(), 1);
    EXPECT_EQ(o.struktur.getNodeTekst("Ny gruppe.html"), "Ny gruppe");
    EXPECT_EQ(o.struktur.getTheSelectedIndex(), 2);
    EXPECT_EQ(o.struktur.InfoFilnavn("html"), o.mappe.sti("tekstfiler/GrupperNy gruppe.html"));
    EXPECT_EQ(o.struktur.getNodeTekst("Mangler.html"), "");

    o.struktur.DataOn = false;
    EXPECT_EQ(o.struktur.SelectedData(), "");
    EXPECT_EQ(o.struktur.getNodeTekst("Tavlum.html"), "");
}

TEST(Struktur, DeletingATopicRecyclesItsPageAndItsChildrensPages)
{
    Opstilling o;
    o.mappe.skrivLinjer("struktur.txt", {"Tavlum", "\tGrupper", "\t\tNy", "\t\t\tDybt", "\tSlut"});
    o.mappe.skrivLinjer("data.txt", {"1Tavlum", "0Grupper", "0Ny", "0Dybt", "0Slut"});
    for (const char* side : {"Grupper", "Dybt", "Slut"})
        o.mappe.skriv(QStringLiteral("tekstfiler/%1.html").arg(side), "<p>");
    o.struktur.HentStruktur();
    o.vaelg("Grupper");
    o.struktur.SletNode();
    EXPECT_EQ(o.platform.papirkurv,
              std::vector<std::string>{o.mappe.sti("tekstfiler/Grupper.html").toStdString()});
    EXPECT_EQ(o.træ(), (QStringList{"Tavlum=1Tavlum", "\tSlut=0Slut"}));
    EXPECT_TRUE(o.struktur.Modified);

    o.struktur.clearSelection();
    o.struktur.SletNode();
    EXPECT_EQ(o.struktur.emner().size(), 2);
    EXPECT_FALSE(o.struktur.FileDeleteRB(o.mappe.sti("tekstfiler/Mangler.html")));
}

TEST(Struktur, DraggingMovesATopicButNeverTheFirstNorOntoItselfOrItsOwnChildren)
{
    Opstilling o;
    o.mappe.skrivLinjer("struktur.txt", {"A", "B", "\tB1", "C"});
    o.mappe.skrivLinjer("data.txt", {"0A", "0B", "0B1", "0C"});
    o.struktur.HentStruktur();
    o.struktur.expandAll();
    o.struktur.resize(300, 300);
    const auto sted = [&](const QString& tekst) {
        return o.struktur.visualItemRect(o.emne(tekst)).center();
    };
    const auto traek = [&](const QString& fra, const QString& til, bool grund = false) {
        const QPoint f = sted(fra), t = sted(til);
        o.struktur.MusDown(f.x(), f.y());
        o.struktur.MusUp(t.x(), t.y(), grund);
    };
    const QStringList foer = o.træ();
    traek("A", "C"); // the first topic stays
    traek("B", "B");
    traek("B", "B1");
    EXPECT_EQ(o.træ(), foer);
    EXPECT_FALSE(o.struktur.Modified);

    o.struktur.Flytmode = naAddChild;
    traek("C", "B1");
    EXPECT_EQ(o.træ(), (QStringList{"A=0A", "B=0B", "\tB1=0B1", "\t\tC=0C"}));
    EXPECT_TRUE(o.struktur.Modified);
    traek("B", "A", true);
    EXPECT_EQ(o.træ(), (QStringList{"B=0B", "\tB1=0B1", "\t\tC=0C", "A=0A"}));

    // A second press ends a drag that never got its release.
    const QPoint b1 = sted("B1");
    o.struktur.MusDown(b1.x(), b1.y());
    o.struktur.MusDown(b1.x(), b1.y());
    EXPECT_FALSE(o.struktur.MouseDown);
}

TEST(Struktur, ADeepBinaryOrDisorderedHelpTreeLoadsBoundedAndTellsWhatItCouldNotRead)
{
    // Each line one deeper than the one before, as deep as a tree file may be large.
    Opstilling dyb;
    QStringList linjer;
    for (int i = 0; i < 2500; ++i)
        linjer << QString(i, '\t') + QString::number(i);
    dyb.mappe.skrivLinjer("struktur.txt", linjer);
    ASSERT_TRUE(dyb.struktur.HentStruktur());
    const QList<QTreeWidgetItem*> alle = dyb.struktur.emner();
    ASSERT_EQ(alle.size(), 2500);
    int dybest = 0;
    for (auto* p = alle.last()->parent(); p; p = p->parent())
        ++dybest;
    EXPECT_EQ(dybest, TStruktur::hoejstNiveau);
    EXPECT_EQ(TStruktur::data(alle.last()), "02499");

    // Lines out of order: a first line that is indented, and data lines shuffled.
    Opstilling uorden;
    uorden.mappe.skrivLinjer("struktur.txt", {"\t\tB", "A", "\tC"});
    uorden.mappe.skrivLinjer("data.txt", {"xx", "", "9Cside", "1ekstra"});
    ASSERT_TRUE(uorden.struktur.HentStruktur());
    EXPECT_EQ(uorden.træ(), (QStringList{"B=0B", "A=0A", "\tC=9Cside"}));

    // Binary files are not read, named in one message, and never written over.
    Opstilling binaer;
    const QByteArray skrald("\x7F"
                            "ELF\x02\x01\x00\x00 binary",
                            16);
    binaer.mappe.skriv("struktur.txt", skrald);
    binaer.mappe.skriv("data.txt", skrald);
    EXPECT_FALSE(binaer.struktur.HentStruktur());
    EXPECT_EQ(binaer.struktur.topLevelItemCount(), 0);
    ASSERT_EQ(binaer.beskeder.beskeder.size(), 1);
    EXPECT_TRUE(binaer.beskeder.beskeder[0].contains("\rstruktur.txt\r"));
    EXPECT_EQ(binaer.mappe.laes("data.txt"), skrald);

    Opstilling data;
    data.mappe.skrivLinjer("struktur.txt", {"A"});
    data.mappe.skriv("data.txt", skrald);
    EXPECT_TRUE(data.struktur.HentStruktur());
    EXPECT_EQ(data.træ(), (QStringList{"A=0A"}));
    ASSERT_EQ(data.beskeder.beskeder.size(), 1);
    EXPECT_TRUE(data.beskeder.beskeder[0].contains("\rdata.txt\r"));
    EXPECT_EQ(data.mappe.laes("data.txt"), skrald);
}
