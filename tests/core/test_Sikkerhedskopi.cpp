#include "Filvagt.h"
#include "Linjefil.h"
#include "Sikkerhedskopi.h"
#include "Skrivebeskyttet.h"
#include "Testmappe.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A user folder with a clock the test moves, and a guard that saves through the copies.
struct Brugermappe
{
    Testmappe mappe;
    QDateTime nu{QDate(2026, 3, 1), QTime(9, 0)};
    Sikkerhedskopi kopi{mappe.sti("Bruger"), [this] { return nu; }};
    Filvagt vagt;

    Brugermappe() { vagt.setSikkerhedskopi(&kopi); }
    QString fil(const QString& rel) const { return mappe.sti("Bruger/" + rel); }
    void gem(const QString& rel, const QStringList& linjer)
    {
        QDir().mkpath(QFileInfo(fil(rel)).path());
        ASSERT_EQ(vagt.gem(fil(rel), linjer), "");
    }
    QStringList kopiAf(const QString& dag, const QString& rel) const
    {
        return mappe.laesLinjer("Bruger/Sikkerhedskopier/" + dag + "/" + rel);
    }
};

} // namespace

// A day's copy is every data file as it stood before the day's first change,
// whichever file that change was to.
TEST(Sikkerhedskopi, KeepsAllDataFilesAsTheyStoodBeforeTheDaysFirstChange)
{
    Brugermappe b;
    b.gem("options.txt", {"1"});
    b.gem("Filer/Spil.txt", {"a"});
    b.gem("reopen.txt", {"x"});
    EXPECT_TRUE(b.kopi.filer(QDate(2026, 3, 1)).isEmpty()); // nothing was there before
    b.nu = b.nu.addDays(1);
    b.gem("reopen.txt", {"y"}); // not a kept file: no copy yet
    EXPECT_EQ(b.kopi.kopidage(), QList<QDate>{QDate(2026, 3, 1)});
    b.gem("Filer/Spil.txt", {"b"});
    b.gem("options.txt", {"2"});
    b.gem("Filer/Musik.txt", {"m"});
    b.gem("options.txt", {"3"});
    EXPECT_EQ(b.kopi.filer(QDate(2026, 3, 2)), (QStringList{"options.txt", "Filer/Spil.txt"}));
    EXPECT_EQ(b.kopiAf("2026-03-02", "options.txt"), QStringList{"1"});
    EXPECT_EQ(b.kopiAf("2026-03-02", "Filer/Spil.txt"), QStringList{"a"});
    EXPECT_EQ(b.kopi.kopidage(), (QList<QDate>{QDate(2026, 3, 2), QDate(2026, 3, 1)}));
}

TEST(Sikkerhedskopi, KeepsTheNewestFourteenDays)
{
    Brugermappe b;
    b.gem("programgrupper.txt", {"0"});
    for (int i = 1; i <= 20; ++i) {
        b.nu = b.nu.addDays(i % 3 == 0 ? 2 : 1); // days without saves count for nothing
        b.gem("programgrupper.txt", {QString::number(i)});
    }
    const QList<QDate> dage = b.kopi.kopidage();
    ASSERT_EQ(dage.size(), 14);
    EXPECT_EQ(dage.first(), b.nu.date());
    EXPECT_EQ(b.kopiAf(dage.first().toString("yyyy-MM-dd"), "programgrupper.txt"),
              QStringList{"19"});
    EXPECT_FALSE(QFileInfo::exists(b.fil("Sikkerhedskopier/2026-03-02")));
}

// A restore gives back one state that existed: files made since are gone
// again, and the state of just before is today's copy, so it can be undone.
TEST(Sikkerhedskopi, RestoringADayGivesItsWholeStateAndCanBeUndone)
{
    Brugermappe b;
    b.gem("programgrupper.txt", {"Spil"});
    b.gem("Filer/Spil.txt", {"/a", "/b", "/c"});
    b.gem("egenskaber.txt", {"1", "0", ""});
    b.nu = b.nu.addDays(1);
    b.gem("programgrupper.txt", {"Spil", "Nyt"});
    b.gem("Filer/Nyt.txt", {"n"});
    b.gem("Filer/Spil.txt", {"/a"});
    EXPECT_TRUE(b.kopi.gendan(QDate(2026, 3, 1)).startsWith("Sikkerhedskopien fra den 01-03-2026"));
    b.nu = b.nu.addDays(1);
    ASSERT_EQ(b.kopi.gendan(QDate(2026, 3, 2)), "");
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/programgrupper.txt"), QStringList{"Spil"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Spil.txt"), (QStringList{"/a", "/b", "/c"}));
    EXPECT_FALSE(QFileInfo::exists(b.fil("Filer/Nyt.txt")));
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/egenskaber.txt"), (QStringList{"1", "0", ""}));
    // Undone by restoring today's copy, which holds the state of just before.
    ASSERT_EQ(b.kopi.gendan(QDate(2026, 3, 3)), "");
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/programgrupper.txt"), (QStringList{"Spil", "Nyt"}));
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Nyt.txt"), QStringList{"n"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Spil.txt"), QStringList{"/a"});
}

// A day kept by an older version holds only the files it changed: they go
// back, and the others stay as they are.
TEST(Sikkerhedskopi, ADayOfSingleFilesPutsBackThoseOnly)
{
    Brugermappe b;
    b.mappe.skrivLinjer("Bruger/Sikkerhedskopier/2026-02-27/options.txt", {"gammel"});
    b.gem("options.txt", {"ny"});
    b.gem("Filer/Spil.txt", {"s"});
    ASSERT_EQ(b.kopi.gendan(QDate(2026, 2, 27)), "");
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/options.txt"), QStringList{"gammel"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Spil.txt"), QStringList{"s"});
}

TEST(Sikkerhedskopi, AFolderThatCannotBeWrittenDoesNotStopTheSaveAndIsToldOnce)
{
    Brugermappe b;
    b.gem("options.txt", {"1"});
    b.nu = b.nu.addDays(1);
    Skrivebeskyttet laast(b.fil("Sikkerhedskopier"));
    if (!laast.ok())
        GTEST_SKIP() << "the folder cannot be made read-only here";
    b.gem("options.txt", {"2"});
    b.gem("lagergrupper.txt", {"a"});
    b.gem("lagergrupper.txt", {"b"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/options.txt"), QStringList{"2"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/lagergrupper.txt"), QStringList{"b"});
    const QString fejl = b.kopi.nyFejl();
    EXPECT_TRUE(fejl.startsWith("Dagens sikkerhedskopi af dine data kunne ikke gemmes"));
    EXPECT_EQ(b.kopi.nyFejl(), "");
}
