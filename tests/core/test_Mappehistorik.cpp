#include "Mappehistorik.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

struct Mappehistorikken : ::testing::Test
{
    QSet<QString> findes{"a", "b", "c", "d"};
    Mappehistorik historik{[this](const QString& m) { return findes.contains(m); }};

    void optag(std::initializer_list<const char*> mapper)
    {
        for (const char* m : mapper)
            historik.optag(QString::fromLatin1(m));
    }
};

TEST_F(Mappehistorikken, WalksToTheEndsAndStaysThere)
{
    optag({"a", "b", "c"});
    EXPECT_EQ(historik.frem(), std::nullopt);
    EXPECT_EQ(historik.foerste(), QString("a"));
    EXPECT_EQ(historik.foerste(), std::nullopt);
    EXPECT_EQ(historik.tilbage(), std::nullopt);
    EXPECT_EQ(historik.index(), 0);
    EXPECT_EQ(historik.sidste(), QString("c"));
    EXPECT_EQ(historik.sidste(), std::nullopt);
    EXPECT_FALSE(historik.kanFrem());
    EXPECT_TRUE(historik.kanTilbage());
}

TEST_F(Mappehistorikken, SkipsAndDropsVanishedFoldersInEitherDirection)
{
    optag({"a", "b", "c", "d"});
    historik.foerste();
    findes.remove("b");
    findes.remove("c");
    EXPECT_EQ(historik.frem(), QString("d"));
    EXPECT_EQ(historik.liste(), QStringList({"a", "d"}));
    EXPECT_EQ(historik.index(), 1);

    findes.remove("a");
    EXPECT_EQ(historik.foerste(), QString("d"));
    EXPECT_EQ(historik.liste(), QStringList{"d"});
    EXPECT_FALSE(historik.kanTilbage());
}

TEST_F(Mappehistorikken, AnEmptiedListReportsNoPosition)
{
    optag({"a", "b"});
    findes.clear();
    EXPECT_EQ(historik.foerste(), std::nullopt);
    EXPECT_TRUE(historik.liste().isEmpty());
    EXPECT_EQ(historik.index(), -1);
    EXPECT_FALSE(historik.kanFrem());
    historik.optag("c");
    EXPECT_EQ(historik.index(), 0);
}

} // namespace
