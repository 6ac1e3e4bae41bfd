#include "Design.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(Design, KnowsThePlainLookAndTheEightNamedOnes)
{
    EXPECT_EQ(Design::navne(),
              QStringList({"Windows", "Aqua Light Slate", "Auric", "Carbon", "Glossy",
                           "Iceberg Classico", "Jet", "Sky", "Windows10 Clear Day"}));
    EXPECT_EQ(Design::kendtNavn("aqua light slate"), "Aqua Light Slate");
    EXPECT_TRUE(Design::kendtNavn("Ukendt").isEmpty());
    for (const char* moerk : {"Jet", "Auric", "Glossy", "Carbon"})
        EXPECT_TRUE(Design::erMoerk(moerk)) << moerk;
    for (const char* lys : {"Windows", "Sky", "Aqua Light Slate", "Iceberg Classico"})
        EXPECT_FALSE(Design::erMoerk(lys)) << lys;
}

TEST(Design, EachDesignLooksDifferentAndAnUnknownNameChangesNothing)
{
    QList<QColor> set;
    QStringList ark;
    for (const QString& navn : Design::navne()) {
        ASSERT_TRUE(Design::anvend(navn));
        const QColor vindue = QApplication::palette().color(QPalette::Window);
        EXPECT_FALSE(set.contains(vindue)) << navn.toStdString();
        set.append(vindue);
        EXPECT_FALSE(ark.contains(qApp->styleSheet())) << navn.toStdString();
        ark.append(qApp->styleSheet());
    }
    ASSERT_TRUE(Design::anvend("jet"));
    const QColor foer = QApplication::palette().color(QPalette::Window);
    EXPECT_FALSE(Design::anvend("Findes ikke"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), foer);
}
