#include "PeIkon.h"
#include "Testmappe.h"
#include "posix/PosixPlatform.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& b, std::size_t sted, std::uint32_t v, int bytes)
{
    if (b.size() < sted + bytes)
        b.resize(sted + bytes);
    for (int i = 0; i < bytes; ++i)
        b[sted + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

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

// A small PE32 file with one resource section holding one group icon of one image.
Bytes lavPe(const QByteArray& ikonfil)
{
    const std::uint32_t billedeSted =
        static_cast<std::uint8_t>(ikonfil[18]) | static_cast<std::uint8_t>(ikonfil[19]) << 8;
    const QByteArray billede = ikonfil.mid(billedeSted);
    constexpr std::size_t raa = 0x200;
    constexpr std::uint32_t va = 0x1000;
    Bytes b(raa, 0);
    put(b, 0, 0x5A4D, 2);
    put(b, 0x3C, 0x40, 4);
    put(b, 0x40, 0x00004550, 4);
    put(b, 0x44, 0x14C, 2); // i386
    put(b, 0x46, 1, 2);     // one section
    put(b, 0x54, 224, 2);   // optional header size
    const std::size_t valgfri = 0x58;
    put(b, valgfri, 0x10B, 2);
    put(b, valgfri + 92, 16, 4);
    put(b, valgfri + 96 + 16, va, 4); // resource directory
    put(b, valgfri + 96 + 20, 0x1000, 4);
    const std::size_t sektion = valgfri + 224;
    b[sektion] = '.';
    put(b, sektion + 8, 0x1000, 4);
    put(b, sektion + 12, va, 4);
    put(b, sektion + 16, 0x1000, 4);
    put(b, sektion + 20, raa, 4);

    // Type, name and language directories, then the two data entries.
    const auto mappe = [&](std::size_t sted, std::uint32_t id, std::uint32_t til) {
        put(b, raa + sted + 14, 1, 2);
        put(b, raa + sted + 16, id, 4);
        put(b, raa + sted + 20, til, 4);
    };
    put(b, raa + 14, 2, 2);
    put(b, raa + 16, 3, 4);
    put(b, raa + 20, 0x80000000u | 32, 4);
    put(b, raa + 24, 14, 4);
    put(b, raa + 28, 0x80000000u | 128, 4);
    mappe(32, 1, 0x80000000u | 56);
    mappe(56, 0x409, 80);
    mappe(128, 1, 0x80000000u | 152);
    mappe(152, 0x409, 176);
    const std::uint32_t billedeRva = va + 200;
    const std::uint32_t gruppeRva = billedeRva + static_cast<std::uint32_t>(billede.size());
    put(b, raa + 80, billedeRva, 4);
    put(b, raa + 84, static_cast<std::uint32_t>(billede.size()), 4);
    put(b, raa + 176, gruppeRva, 4);
    put(b, raa + 180, 20, 4);
    for (int i = 0; i < billede.size(); ++i)
        put(b, raa + 200 + i, static_cast<std::uint8_t>(billede[i]), 1);
    const std::size_t gruppe = raa + 200 + billede.size();
    put(b, gruppe + 2, 1, 2);
    put(b, gruppe + 4, 1, 2);
    for (int i = 0; i < 8; ++i)
        put(b, gruppe + 6 + i, static_cast<std::uint8_t>(ikonfil[6 + i]), 1);
    put(b, gruppe + 14, static_cast<std::uint32_t>(billede.size()), 4);
    put(b, gruppe + 18, 1, 2);
    b.resize(raa + 0x1000);
    return b;
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
