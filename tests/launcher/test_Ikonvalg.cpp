#include "FakePlatform.h"
#include "Elementmodel.h"
#include "Ikonvalg.h"
#include "Testmappe.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// An icon folder with one-colour pictures, so a test can tell which file an icon came from.
struct Ikonmappe
{
    Testmappe mappe;
    FakePlatform platform{mappe.sti("Tavlum").toStdString()};
    Ikonvalg valg{platform, mappe.sti("Ikoner")};

    void ikon(const QString& navn, Qt::GlobalColor farve) const
    {
        QImage billede(32, 32, QImage::Format_ARGB32);
        billede.fill(farve);
        QDir().mkpath(mappe.sti("Ikoner"));
        ASSERT_TRUE(billede.save(mappe.sti("Ikoner/" + navn + "_ikon.ico"), "ico"));
    }
    static QColor farve(const QIcon& ikon)
    {
        return ikon.pixmap(32, 32).toImage().pixelColor(16, 16);
    }
};

} // namespace

TEST(Ikonvalg, TheExtensionsIconFileWinsOverTheKindIcon)
{
    Ikonmappe m;
    m.ikon("film", Qt::blue);
    const QString film = m.mappe.skriv("Film.MP4", "x");
    auto r = m.valg.lav(film);
    ASSERT_EQ(r.udfald, Ikonvalg::Udfald::Ikon);
    EXPECT_EQ(Ikonmappe::farve(r.ikon), QColor(Qt::blue));
    m.ikon("mp4", Qt::red);
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(film).ikon), QColor(Qt::red));
    EXPECT_EQ(m.valg.makeIconFilnavn("pdf"), m.mappe.sti("Ikoner") + "/pdf_ikon.ico");
}

TEST(Ikonvalg, KindIconsForMusicAndPicturesAndAnIcoShowsThePictureIcon)
{
    Ikonmappe m;
    m.ikon("musik", Qt::green);
    m.ikon("billeder", Qt::yellow);
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(m.mappe.skriv("sang.m4a", "x")).ikon), QColor(Qt::green));
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(m.mappe.skriv("eget.ico", "x")).ikon),
              QColor(Qt::yellow));
    EXPECT_TRUE(m.platform.ikoner.empty());
}

TEST(Ikonvalg, AMissingKindIconFileGivesABuiltInIcon)
{
    Ikonmappe m;
    const auto r = m.valg.lav(m.mappe.skriv("klip.avi", "x"));
    EXPECT_EQ(r.udfald, Ikonvalg::Udfald::Ikon);
    EXPECT_FALSE(r.ikon.isNull());
    EXPECT_FALSE(m.valg.ukendt().isNull());
}

TEST(Ikonvalg, OtherFilesAskTheShellForTheirOwnIcon)
{
    Ikonmappe m;
    const QString genvej = m.mappe.skriv("Spil.lnk", "x");
    m.ikon("lnk", Qt::cyan);
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(genvej).ikon), QColor(Qt::cyan));

    const QString program = m.mappe.skriv("bin/spil", "x");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m.platform.ikoner[program.toStdString()] = {Platform::FileIcon::None, {}, {}};
    auto r = m.valg.lav(program);
    EXPECT_EQ(r.udfald, Ikonvalg::Udfald::Ikon);
    EXPECT_EQ(r.ikon.name(), "application-x-executable");

    m.ikon("egen", Qt::magenta);
    m.platform.ikoner[program.toStdString()] = {
        Platform::FileIcon::Picture, m.mappe.sti("Ikoner/egen_ikon.ico").toStdString(), {}};
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(program).ikon), QColor(Qt::magenta));
}

struct Filtype
{
    const char* navn;
    const char* ikon; // the theme's icon for its type
};

class Filtyper : public ::testing::TestWithParam<Filtype>
{
};

TEST_P(Filtyper, WithoutAnIconFileGetTheDesktopsIconForTheirType)
{
    Ikonmappe m;
    const QString fil = m.mappe.skriv(GetParam().navn, "x");
    const Ikonvalg::Resultat r = m.valg.lav(fil);
    EXPECT_EQ(r.udfald, Ikonvalg::Udfald::Ikon);
    EXPECT_EQ(r.ikon.name(), GetParam().ikon);
    EXPECT_FALSE(r.ikon.pixmap(32).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Medier, Filtyper,
    ::testing::Values(Filtype{"Fil.mkv", "video-x-matroska"}, Filtype{"Fil.flac", "audio-flac"},
                      Filtype{"Fil.webm", "video-webm"}, Filtype{"Fil.svg", "image-svg+xml"},
                      Filtype{"Fil.csv", "text-csv"},
                      Filtype{"Fil.odp", "application-vnd.oasis.opendocument.presentation"},
                      Filtype{"Fil.epub", "application-epub+zip"},
                      // Types whose own icon the theme lacks have their generic one.
                      Filtype{"Fil.ogg", "audio-x-generic"},
                      Filtype{"Fil.gradle", "text-x-generic"}),
    [](const auto& p) { return QFileInfo(p.param.navn).suffix().toStdString(); });

TEST(Ikonvalg, ADesktopEntryShowsItsThemeIconOrElseTheIconOfItsType)
{
    Ikonmappe m;
    const QString entry = m.mappe.skriv("Editor.desktop", "[Desktop Entry]\n");
    m.platform.ikoner[entry.toStdString()] = {
        Platform::FileIcon::ThemeName, "accessories-text-editor", {}};
    EXPECT_EQ(m.valg.lav(entry).ikon.name(), "accessories-text-editor");
    m.platform.ikoner[entry.toStdString()] = {Platform::FileIcon::ThemeName, "tavlum-intet", {}};
    EXPECT_EQ(m.valg.lav(entry).ikon.name(), "application-x-desktop");
}

TEST(Ikonvalg, AVanishedFileShowsTheIconItsNameGivesGreyed)
{
    Ikonmappe m;
    m.ikon("pdf", Qt::red);
    const Ikonvalg::Resultat r = m.valg.lav(m.mappe.sti("væk.pdf"));
    EXPECT_EQ(r.udfald, Ikonvalg::Udfald::Mangler);
    const QColor graa = Ikonmappe::farve(r.ikon);
    EXPECT_NE(graa, QColor(Qt::red));
    EXPECT_LT(graa.hslSaturation(), 40);
    EXPECT_EQ(r.ikon.pixmap(16).size(), QSize(16, 16));
    EXPECT_EQ(m.valg.lav(m.mappe.sti("væk.flac")).ikon.name(), "audio-flac");
    EXPECT_EQ(m.valg.lav(m.mappe.sti("væk.exe")).udfald, Ikonvalg::Udfald::Mangler);
}

TEST(Ikonvalg, WithoutAnIconThemeAFileGetsTheUnknownIcon)
{
    Ikonmappe m;
    m.ikon("ukendt", Qt::darkBlue);
    const QString tema = QIcon::themeName();
    QIcon::setThemeName("tavlum-intet");
    const Ikonvalg::Resultat r =
        Ikonvalg(m.platform, m.mappe.sti("Ikoner")).lav(m.mappe.skriv("a.flac", "x"));
    QIcon::setThemeName(tema);
    EXPECT_EQ(r.udfald, Ikonvalg::Udfald::Ukendt);
    EXPECT_EQ(Ikonmappe::farve(r.ikon), QColor(Qt::darkBlue));
}

TEST(Ikonvalg, AChangedIconFileTakesEffectAtTheNextIcon)
{
    Ikonmappe m;
    m.ikon("pdf", Qt::red);
    const QString bog = m.mappe.skriv("bog.pdf", "x");
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(bog).ikon), QColor(Qt::red));
    QFile::remove(m.mappe.sti("Ikoner/pdf_ikon.ico"));
    QImage stor(48, 48, QImage::Format_ARGB32);
    stor.fill(Qt::blue);
    ASSERT_TRUE(stor.save(m.mappe.sti("Ikoner/pdf_ikon.ico"), "ico"));
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(bog).ikon), QColor(Qt::blue));
}

TEST(Ikonvalg, AProgramsOwnIconComesAsIcoBytes)
{
    Ikonmappe m;
    m.ikon("kilde", Qt::darkGreen);
    const QByteArray ico = m.mappe.laes("Ikoner/kilde_ikon.ico");
    const QString program = m.mappe.skriv("Spil.exe", "MZ");
    m.platform.ikoner[program.toStdString()] = {
        Platform::FileIcon::IconData, {}, std::vector<std::uint8_t>(ico.begin(), ico.end())};
    EXPECT_EQ(Ikonmappe::farve(m.valg.lav(program).ikon), QColor(Qt::darkGreen));
}

TEST(Ikonvalg, APictureIsDecodedAtIconSizeOnceForEveryElementThatNamesIt)
{
    Ikonmappe m;
    const auto billede = [&](const QString& navn, QSize stoerrelse, const char* format) {
        QImage b(stoerrelse, QImage::Format_RGB32);
        b.fill(Qt::darkCyan);
        const QString fil = m.mappe.sti(navn);
        EXPECT_TRUE(b.save(fil, format));
        return fil;
    };
    // JPEG keeps the colour nearly.
    const auto naer = [](const QColor& c) {
        const QColor maal(Qt::darkCyan);
        return std::abs(c.red() - maal.red()) + std::abs(c.green() - maal.green()) +
                   std::abs(c.blue() - maal.blue()) <= 12;
    };
    const auto peger = [&](const QString& element, const QString& fil) {
        const QString e = m.mappe.skriv(element, "[Desktop Entry]\n");
        m.platform.ikoner[e.toStdString()] = {Platform::FileIcon::Picture, fil.toStdString(), {}};
        return m.valg.lav(e).ikon;
    };
    // Shrunk while read (JPEG), or after (PNG) when small enough: never kept larger than an icon.
    for (const auto& [navn, format] : {std::pair{"foto.jpg", "jpeg"}, std::pair{"tegning.png", "png"}}) {
        const QString fil = billede(navn, {1600, 1000}, format);
        const QIcon ikon = peger(QString(navn) + ".desktop", fil);
        ASSERT_FALSE(ikon.isNull()) << navn;
        EXPECT_EQ(ikon.availableSizes(), QList<QSize>{QSize(256, 160)}) << navn;
        EXPECT_TRUE(naer(Ikonmappe::farve(ikon))) << navn;
        // A second element naming the picture gets the icon already read.
        EXPECT_EQ(peger(QString(navn) + "2.desktop", fil).cacheKey(), ikon.cacheKey()) << navn;
    }
    // Too large to read whole without shrinking: no icon of it, the entry's type icon instead.
    const QString bombe = billede("bombe.png", {6000, 4000}, "png");
    const QIcon ikon = peger("bombe.desktop", bombe);
    EXPECT_TRUE(ikon.availableSizes().isEmpty() || ikon.availableSizes().first().width() <= 256);
    EXPECT_FALSE(naer(Ikonmappe::farve(ikon)));
}

TEST(Elementmodel, TheSearchKeepsWhatItKnowsOfAFileKeyAfterKeyButSeesItGoWhileNotShown)
{
    Ikonmappe m;
    Elementmodel model(m.valg);
    const QString bog = m.mappe.skriv("dok/bog.pdf", "x");
    const QString noter = m.mappe.skriv("dok/noter.pdf", "x");
    model.skift({bog, noter}, {"Bog", "Noter"}, {"A", "B"});
    ASSERT_TRUE(model.findes(0));
    ASSERT_TRUE(model.findes(1));

    // Narrowed and widened again, key after key: the file is not looked at anew.
    QFile::remove(bog);
    model.skift({noter}, {"Noter"}, {"B"});
    model.skift({noter, bog}, {"Noter", "Bog"}, {"B", "A"});
    EXPECT_TRUE(model.findes(1));
    EXPECT_EQ(model.data(model.index(1), Qt::ToolTipRole).toString(), "Bog\nGruppe: A");

    // Its folder's change is looked at while another search is shown; shown
    // again, the file is known to be gone.
    model.skift({noter}, {"Noter"}, {"B"});
    model.tjekFiler();
    model.skift({noter, bog}, {"Noter", "Bog"}, {"B", "A"});
    EXPECT_TRUE(model.findes(0));
    EXPECT_FALSE(model.findes(1));

    // A group shown anew looks at every file again.
    m.mappe.skriv("dok/bog.pdf", "x");
    model.nulstil({bog}, {"Bog"});
    EXPECT_TRUE(model.findes(0));
}
