#include "OmProgrammet.h"

#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(OmProgrammet, ShowsTheYearTheProjectVersionAndTheWordSizeAndOkClosesIt)
{
    TomForm boks;
    const QStringList linjer = boks.Memo1->toPlainText().split(u'\n');
    ASSERT_EQ(linjer.size(), 3);
    EXPECT_EQ(linjer[0], QStringLiteral("Tavlum %1").arg(QDate::currentDate().year()));
    // The package and its AppStream description carry the same version.
    EXPECT_EQ(linjer[1], QStringLiteral("Tavlum version " TAVLUM_PROJEKTVERSION));
    EXPECT_EQ(linjer[2], QStringLiteral("%1 bit").arg(sizeof(void*) * 8));
    EXPECT_TRUE(boks.Memo1->isReadOnly());

    boks.visOver(nullptr);
    ASSERT_TRUE(boks.isVisible());
    boks.Button1->click();
    EXPECT_FALSE(boks.isVisible());
}
