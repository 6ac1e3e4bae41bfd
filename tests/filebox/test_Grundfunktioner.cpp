#include "Kaede.h"
#include "visBilled.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <sys/resource.h>

TEST_F(Kaede, ASelectionChangeSetsTheFolderInFocusAndTheFile)
{
    mkdir("g/Under");
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    liste.vaelg(0);
    funk.infoStruktur2();
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g/Under"));
    EXPECT_TRUE(funk.Filnavn.isEmpty());
    liste.vaelg(1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g"));
    EXPECT_EQ(funk.Filnavn, mappe.sti("g/a.txt"));
    liste.vaelg(-1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.Bibmappe, mappe.sti("g"));
    EXPECT_TRUE(funk.Filnavn.isEmpty());
    EXPECT_EQ(skift.last(), mappe.sti("g") + "|");
}

TEST_F(Kaede, OpeningAFolderEntersItAndAVanishedFileChangesNothing)
{
    mkdir("g/Under/Dybt");
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    liste.vaelg(0);
    EXPECT_EQ(funk.udfoldFilDirectory(), mappe.sti("g/Under"));
    EXPECT_EQ(tekster(), QStringList{"Dybt"});
    EXPECT_EQ(funk.historik().liste(), QStringList({mappe.sti("g"), mappe.sti("g/Under")}));

    funk.makeStruktur2(mappe.sti("g"), false, true);
    liste.vaelg(1);
    funk.infoStruktur2();
    EXPECT_EQ(funk.udfoldFilDirectory(), mappe.sti("g"));
    QFile::remove(mappe.sti("g/a.txt"));
    funk.Filnavn = "uroert";
    EXPECT_TRUE(funk.udfoldFilDirectory().isEmpty());
    EXPECT_EQ(funk.Filnavn, "uroert");

    liste.vaelg(0);
    QDir(mappe.sti("g/Under")).removeRecursively();
    funk.udfoldFilDirectory();
    EXPECT_EQ(beskeder.beskeder.size(), 1);
    EXPECT_TRUE(tekster().isEmpty());
}

TEST_F(Kaede, RenamingNeedsASelectedFileOrFolder)
{
    funk.editSelected();
    mappe.skriv("g/a.txt", "x");
    funk.makeStruktur2(mappe.sti("g"), true, true);
    liste.noder().setID(0, 4);
    funk.editSelected();
    EXPECT_EQ(beskeder.beskeder, QStringList({"Der er ikke valgt element,\rder skal omdøbes.",
                                              "a.txt\rmå ikke omdøbes"}));
}

TEST_F(Kaede, APictureIsShownWithItsSizeAndNameAndAnUnreadableOneIsNot)
{
    Tbilledform billede;
    funk.Billedvindue = &billede;
    QImage(40, 30, QImage::Format_RGB32).save(mappe.sti("foto.png"));
    funk.Filnavn = mappe.sti("foto.png");
    EXPECT_TRUE(funk.LoadPicture(funk.Filnavn));
    EXPECT_TRUE(billede.isVisible());
    EXPECT_EQ(billede.panel(0), "Bredde");
    EXPECT_EQ(billede.panel(1), "40");
    EXPECT_EQ(billede.panel(3), "30");
    EXPECT_EQ(billede.panel(5), "foto.png");
    EXPECT_EQ(billede.minimumSize(), QSize(486, 333));
    billede.hide();
    EXPECT_FALSE(funk.LoadPicture(mappe.skriv("falsk.png", "ikke et billede")));
    EXPECT_FALSE(billede.isVisible());
}

TEST_F(Kaede, ThePictureWindowFitsThePictureUpToAFixedSize)
{
    Tbilledform billede;
    QImage(600, 400, QImage::Format_RGB32).save(mappe.sti("mellem.png"));
    ASSERT_TRUE(billede.hentBillede(mappe.sti("mellem.png")));
    billede.show();
    EXPECT_EQ(billede.size(), QSize(632, 432));
    billede.hide();
    QImage(2000, 1500, QImage::Format_RGB32).save(mappe.sti("stor.png"));
    ASSERT_TRUE(billede.hentBillede(mappe.sti("stor.png")));
    billede.show();
    EXPECT_EQ(billede.size(), QSize(800, 600));
}

TEST_F(Kaede, SpecialFoldersSayInDanishWhenTheyCannotBeFound)
{
    EXPECT_EQ(funk.GetMyDesktop().fejl, "Kunne ikke finde skrivebordsmappen.");
    EXPECT_EQ(funk.GetCommonVideo().fejl, "Kunne ikke finde videomappen for alle brugere.");
    platform.specialmapper[Platform::SpecialFolder::Desktop] = "/hjem/Skrivebord";
    EXPECT_EQ(funk.GetMyDesktop().mappe, "/hjem/Skrivebord");
    EXPECT_TRUE(funk.GetMyDesktop().fejl.isEmpty());

    platform.specialmapper[Platform::SpecialFolder::Downloads] = "/hjem/Overførsler";
    EXPECT_EQ(funk.GetMyDownLoad("kontor"), "/hjem/Overførsler");
    EXPECT_EQ(funk.GetMyDownLoad("andenbruger"), "/");
    EXPECT_EQ(funk.GetMyKontakter(""), "/");
    EXPECT_EQ(funk.GetMyKontakter("kontor"), "/");
}

namespace {

std::uint32_t crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray stykke(const char* type, const QByteArray& data)
{
    QByteArray ud(4, '\0');
    qToBigEndian(quint32(data.size()), ud.data());
    const QByteArray indhold = type + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(indhold), crc.data());
    return ud + indhold + crc;
}

// A black PNG of one bit a pixel; without `pixels` only its header is there.
QByteArray png(quint32 bredde, quint32 hoejde, bool pixels)
{
    QByteArray hoved(13, '\0');
    qToBigEndian(bredde, hoved.data());
    qToBigEndian(hoejde, hoved.data() + 4);
    hoved[8] = 1; // one bit, grey
    const QByteArray raekker(pixels ? qsizetype(hoejde) * (1 + (bredde + 7) / 8) : 0, '\0');
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + stykke("IHDR", hoved) +
           stykke("IDAT", qCompress(raekker).mid(4)) + stykke("IEND", {});
}

} // namespace

TEST_F(Kaede, APictureTooLargeForMemoryIsReadScaledDownOrNotAtAll)
{
    Tbilledform billede;
    rusage foer{};
    getrusage(RUSAGE_SELF, &foer);
    EXPECT_FALSE(billede.hentBillede(mappe.skriv("bombe.png", png(60000, 60000, false))));
    ASSERT_TRUE(billede.hentBillede(mappe.skriv("lille.png", png(300, 200, true))));
    EXPECT_EQ(billede.billedstoerrelse(), QSize(300, 200));
    rusage efter{};
    getrusage(RUSAGE_SELF, &efter);
    EXPECT_LT(efter.ru_maxrss - foer.ru_maxrss, 64 * 1024);

    // With room for 1 MiB of pixels, pictures of 3 MiB come scaled, their own size told.
    const int graense = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    QImage(1024, 768, QImage::Format_RGB32).save(mappe.sti("foto.jpg"));
    QImage(1024, 768, QImage::Format_RGB32).save(mappe.sti("tegning.png"));
    const bool foto = billede.hentBillede(mappe.sti("foto.jpg"));
    const bool tegning = billede.hentBillede(mappe.sti("tegning.png"));
    QImageReader::setAllocationLimit(graense);
    EXPECT_TRUE(foto);
    EXPECT_TRUE(tegning);
    EXPECT_EQ(billede.billedstoerrelse(), QSize(1024, 768));
    billede.show();
    EXPECT_LE(billede.size().width(), 800);
}
