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

TEST(Sikkerhedskopi, KeepsTheFirstVersionOfTheDayOfTheDataFilesOnly)
{
    Brugermappe b;
    b.gem("options.txt", {"1"}); // new: nothing on disk to keep
    EXPECT_TRUE(b.kopi.kopidage().isEmpty());
    b.gem("options.txt", {"2"});
    b.gem("options.txt", {"3"});
    b.gem("Filer/Spil.txt", {"a"});
    b.gem("Filer/Spil.txt", {"b"});
    b.gem("reopen.txt", {"x"});
    b.gem("reopen.txt", {"y"});
    EXPECT_EQ(b.kopiAf("2026-03-01", "options.txt"), QStringList{"1"});
    EXPECT_EQ(b.kopiAf("2026-03-01", "Filer/Spil.txt"), QStringList{"a"});
    EXPECT_EQ(b.kopi.filer(QDate(2026, 3, 1)),
              (QStringList{"options.txt", "Filer/Spil.txt"}));
    b.nu = b.nu.addDays(1);
    b.gem("options.txt", {"4"});
    EXPECT_EQ(b.kopiAf("2026-03-02", "options.txt"), QStringList{"3"});
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

TEST(Sikkerhedskopi, RestoringADayKeepsTheFilesOfNowSoItCanBeUndone)
{
    Brugermappe b;
    b.gem("options.txt", {"gammel"});
    b.gem("Filer/Spil.txt", {"gammel"});
    b.gem("egenskaber.txt", {"1", "0", ""});
    b.nu = b.nu.addDays(1);
    b.gem("options.txt", {"ny"});
    b.gem("Filer/Spil.txt", {"ny"});
    b.gem("Filer/Spil.txt", {"nyere"});
    b.gem("Filer/Nyt.txt", {"n"});
    // Yesterday has no copy (the files were new); today holds yesterday's last versions.
    EXPECT_EQ(b.kopi.gendan(QDate(2026, 3, 1)).startsWith("Sikkerhedskopien fra den 01-03-2026"),
              true);
    ASSERT_EQ(b.kopi.gendan(QDate(2026, 3, 2)), "");
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/options.txt"), QStringList{"gammel"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Spil.txt"), QStringList{"gammel"});
    // Files the day did not hold stay, and everything of before is today's copy now.
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Nyt.txt"), QStringList{"n"});
    EXPECT_EQ(b.kopiAf("2026-03-02", "Filer/Spil.txt"), QStringList{"nyere"});
    EXPECT_EQ(b.kopiAf("2026-03-02", "egenskaber.txt"), (QStringList{"1", "0", ""}));
    ASSERT_EQ(b.kopi.gendan(QDate(2026, 3, 2)), "");
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/Filer/Spil.txt"), QStringList{"nyere"});
    EXPECT_EQ(b.mappe.laesLinjer("Bruger/options.txt"), QStringList{"ny"});
}

TEST(Sikkerhedskopi, AFolderThatCannotBeWrittenDoesNotStopTheSaveAndIsToldOnce)
{
    Brugermappe b;
    b.gem("options.txt", {"1"});
    QDir().mkpath(b.fil("Sikkerhedskopier"));
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
