#include <QDir>
#include <QIcon>
#include <QImageReader>
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
