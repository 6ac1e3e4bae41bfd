#include "PeIkon.h"
#include "Pefil.h"
#include "Testmappe.h"
#include "posix/PosixPlatform.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using Bytes = Pefil::Bytes;
using Pefil::put;

// A 16 by 16 ".ico" of one colour, as the toolkit writes it.
QByteArray ico(Qt::GlobalColor farve)
{
    QImage billede(16, 16, QImage::Format_ARGB32);
    billede.fill(farve);
    QByteArray ud;
    QBuffer buffer(&ud);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "ico").write(billede);
    return ud;
}

// The program whose icon is the ".ico" file's one image.
Bytes lavPe(const QByteArray& ikonfil)
{
    const std::uint32_t billedeSted =
        static_cast<std::uint8_t>(ikonfil[18]) | static_cast<std::uint8_t>(ikonfil[19]) << 8;
    return Pefil::lav(ikonfil.mid(billedeSted).toStdString(), 1, ikonfil.mid(6, 8).toStdString());
}

long hoejstResident()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss; // kilobytes
}

} // namespace

TEST(PeIkon, TheFirstGroupIconOfAProgramBecomesAnIcoFile)
{
    const Bytes pe = lavPe(ico(Qt::red));
    ASSERT_TRUE(PeIkon::erPe(pe));
    const Bytes ud = PeIkon::foersteIkon(pe);
    ASSERT_FALSE(ud.empty());
    const QImage billede = QImage::fromData(ud.data(), static_cast<int>(ud.size()), "ICO");
    ASSERT_FALSE(billede.isNull());
    EXPECT_EQ(billede.size(), QSize(16, 16));
    EXPECT_EQ(billede.pixelColor(8, 8), QColor(Qt::red));
}

TEST(PeIkon, DamagedOrForeignFilesGiveNothing)
{
    const Bytes pe = lavPe(ico(Qt::blue));
    for (std::size_t laengde : {std::size_t(0), std::size_t(2), std::size_t(0x60),
                                std::size_t(0x210), std::size_t(0x200 + 300)}) {
        const Bytes stump(pe.begin(), pe.begin() + static_cast<std::ptrdiff_t>(laengde));
        EXPECT_TRUE(PeIkon::foersteIkon(stump).empty()) << laengde;
    }
    EXPECT_FALSE(PeIkon::erPe(Bytes{'#', '!', '/', 'b'}));
    Bytes skaev = pe;
    put(skaev, 0x200 + 20, 0x80000000u | 0x7FFFFFF0u, 4); // a directory far past the end
    EXPECT_TRUE(PeIkon::foersteIkon(skaev).empty());
}

TEST(PeIkon, ThePosixBackendReadsTheIconOfAnExe)
{
    Testmappe mappe;
    const Bytes pe = lavPe(ico(Qt::green));
    const QString fil =
        mappe.skriv("spil.exe", QByteArray(reinterpret_cast<const char*>(pe.data()), pe.size()));
    PosixPlatform platform;
    const auto ikon = platform.firstIcon(fil.toStdString());
    EXPECT_EQ(ikon.kind, Platform::FileIcon::IconData);
    EXPECT_FALSE(ikon.data.empty());
    const Bytes udenIkon = Bytes(pe.begin(), pe.begin() + 0x200);
    const QString tom = mappe.skriv(
        "tom.exe", QByteArray(reinterpret_cast<const char*>(udenIkon.data()), udenIkon.size()));
    EXPECT_NE(platform.firstIcon(tom.toStdString()).kind, Platform::FileIcon::IconData);
}

TEST(PeIkon, ACraftedGroupThatRepeatsOneLargeImageGivesNoIconAndAllocatesLittle)
{
    const long foer = hoejstResident();
    using Pefil::lav, Pefil::lille, Pefil::stor;
    const std::string billede(64 * 1024, '\x7f');
    // Many entries: once the product of entries and image was built in memory (1 GiB).
    EXPECT_TRUE(PeIkon::foersteIkon(lav(billede, 16384, lille)).empty());
    EXPECT_TRUE(PeIkon::foersteIkon(lav(billede, 65, stor)).empty());
    // An image larger than its entry's size allows.
    EXPECT_TRUE(PeIkon::foersteIkon(lav(billede, 1, lille)).empty());
    // Within the entry count, but more than a few MiB in all.
    EXPECT_TRUE(PeIkon::foersteIkon(lav(std::string(270000, '\x7f'), 64, stor)).empty());
    EXPECT_LT(hoejstResident() - foer, 64 * 1024);

    // The largest real icon still comes through whole; its image is a 256 by
    // 256 bitmap (the height counting the mask), or a PNG that says so.
    Bytes bitmap;
    put(bitmap, 0, 40, 4);
    put(bitmap, 4, 256, 4);
    put(bitmap, 8, 512, 4);
    bitmap.resize(200000);
    const std::string bmp(bitmap.begin(), bitmap.end());
    const Bytes ud = PeIkon::foersteIkon(lav(bmp, 16, stor));
    EXPECT_EQ(ud.size(), 6 + 16 * 16 + 16 * 200000u);
    QByteArray pngBytes;
    QBuffer buffer(&pngBytes);
    buffer.open(QIODevice::WriteOnly);
    QImage stort(256, 256, QImage::Format_ARGB32);
    stort.fill(Qt::red);
    stort.save(&buffer, "PNG");
    std::string png = pngBytes.toStdString();
    EXPECT_FALSE(PeIkon::foersteIkon(lav(png, 1, stor)).empty());
    // Pixels of their own beyond what an icon holds: 5000 by 5000, however small the file.
    png[18] = '\x13', png[19] = '\x88';
    EXPECT_TRUE(PeIkon::foersteIkon(lav(png, 1, stor)).empty());
    EXPECT_TRUE(PeIkon::foersteIkon(
                    lav(bmp.substr(0, 4) + std::string("\x88\x13\0\0", 4) + bmp.substr(8), 1, stor))
                    .empty());
}
