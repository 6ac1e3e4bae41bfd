#include "Startupmappe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Startupmappe, IsMadeLevelByLevelUnderTheHomeAndNowhereElse)
{
    QTemporaryDir dir;
    const QString hjem = dir.filePath("hjem");
    QDir().mkpath(hjem);
    EXPECT_TRUE(sikrStartupmappe(hjem + "/.config/autostart", hjem));
    EXPECT_TRUE(QFileInfo(hjem + "/.config/autostart").isDir());
    // Existing folders are left as they are.
    EXPECT_TRUE(sikrStartupmappe(hjem + "/.config/autostart", hjem));
    EXPECT_FALSE(sikrStartupmappe(dir.filePath("anden/autostart"), hjem));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("anden")));
    EXPECT_FALSE(sikrStartupmappe(hjem + "/../hjem2/autostart", hjem));
    EXPECT_FALSE(sikrStartupmappe(hjem + "/x", dir.filePath("ingen")));
    // A file in the way is no folder.
    QFile(hjem + "/fil").open(QIODevice::WriteOnly);
    EXPECT_FALSE(sikrStartupmappe(hjem + "/fil/autostart", hjem));
}
