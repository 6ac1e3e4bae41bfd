#include "Ikonlaeser.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

// The data set's icon files, as the build renders them.
TEST(Ikonfiler, EachHoldsItsOwnPictureForEverySizeTheLargestFirst)
{
    const QDir mappe(QStringLiteral(TAVLUM_IKON_DIR));
    const QStringList filer = mappe.entryList({"*_ikon.ico"}, QDir::Files);
    ASSERT_GE(filer.size(), 20);
    for (const QString& navn : filer) {
        QImageReader laeser(mappe.filePath(navn));
        QList<QSize> stoerrelser;
        for (int i = 0; i < laeser.imageCount(); ++i) {
            laeser.jumpToImage(i);
            stoerrelser << laeser.read().size();
        }
        EXPECT_EQ(stoerrelser, QList<QSize>({{256, 256}, {64, 64}, {48, 48}, {32, 32}, {16, 16}}))
            << navn.toStdString();
        // At twice the scale a 32 pixel icon is drawn from the 64 pixel picture, not enlarged.
        const QIcon ikon(mappe.filePath(navn));
        const QImage dobbelt = ikon.pixmap(QSize(32, 32), 2.0).toImage();
        laeser.jumpToImage(1);
        EXPECT_EQ(dobbelt.convertToFormat(QImage::Format_ARGB32),
                  laeser.read().convertToFormat(QImage::Format_ARGB32))
            << navn.toStdString();
    }
}

// The program's own reader gives every picture of them exactly as the toolkit's does.
TEST(Ikonfiler, OwnReaderGivesTheToolkitsPictures)
{
    const QDir mappe(QStringLiteral(TAVLUM_IKON_DIR));
    const QStringList filer = mappe.entryList({"*.ico"}, QDir::Files);
    ASSERT_GE(filer.size(), 20);
    for (const QString& navn : filer) {
        QFile f(mappe.filePath(navn));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QIcon ikon = Ikonlaeser::laes(f.readAll());
        ASSERT_FALSE(ikon.isNull()) << navn.toStdString();
        QImageReader laeser(mappe.filePath(navn));
        for (int i = 0; i < laeser.imageCount(); ++i) {
            laeser.jumpToImage(i);
            const QImage qt = laeser.read().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(ikon.pixmap(qt.size()).toImage().convertToFormat(QImage::Format_ARGB32), qt)
                << navn.toStdString() << " " << qt.width();
        }
    }
}

// What it cannot read whole it leaves to the toolkit: a null icon, never a read past the end.
TEST(Ikonfiler, OwnReaderRefusesDamagedAndOtherIconFiles)
{
    QFile f(QDir(QStringLiteral(TAVLUM_IKON_DIR)).filePath(QStringLiteral("ukendt_ikon.ico")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray hel = f.readAll();
    for (const qsizetype laengde :
         {qsizetype(0), qsizetype(5), qsizetype(21), hel.size() / 2, hel.size() - 1})
        EXPECT_TRUE(Ikonlaeser::laes(hel.first(laengde)).isNull()) << laengde;
    const auto aendret = [&hel](qsizetype sted, char vaerdi) {
        QByteArray d = hel;
        d[sted] = vaerdi;
        return Ikonlaeser::laes(d);
    };
    EXPECT_TRUE(aendret(2, 2).isNull());                    // a cursor file
    EXPECT_TRUE(aendret(4, 0).isNull());                    // no pictures
    EXPECT_TRUE(aendret(5, char(0xff)).isNull());           // more pictures than the file holds
    EXPECT_TRUE(aendret(6 + 16 + 15, char(0x7f)).isNull()); // the second picture past the end
    // A 24-bit picture is the toolkit's to read.
    const quint32 sted = qFromLittleEndian<quint32>(hel.constData() + 6 + 16 + 12);
    EXPECT_TRUE(aendret(sted + 14, 24).isNull());
    EXPECT_FALSE(Ikonlaeser::laes(hel).isNull());
}
