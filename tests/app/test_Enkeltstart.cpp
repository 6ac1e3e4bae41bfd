#include "Enkeltstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Enkeltstarter : public ::testing::Test
{
protected:
    // A start as main makes it, in the test's own folder.
    std::unique_ptr<Enkeltstart> start(const QString& navn = QStringLiteral("tavlum-t"))
    {
        return std::make_unique<Enkeltstart>(mappe.path(), navn);
    }
    // Waits for the hand-overs a run has been asked for.
    static bool faar(QSignalSpy& vis, int antal)
    {
        while (vis.count() < antal)
            if (!vis.wait(5000))
                return false;
        return vis.count() == antal;
    }
    // The process id of a run that has ended, as a crash leaves it.
    static qint64 doedProces()
    {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=-*")});
        EXPECT_TRUE(p.waitForStarted());
        const qint64 pid = p.processId();
        EXPECT_TRUE(p.waitForFinished());
        return pid;
    }

    QTemporaryDir mappe;
};

TEST_F(Enkeltstarter, ASecondStartAsksTheFirstToShowItselfAndDoesNotRun)
{
    const auto foerste = start();
    ASSERT_TRUE(foerste->foerste());
    QSignalSpy vis(foerste.get(), &Enkeltstart::vis);
    EXPECT_FALSE(start()->foerste());
    EXPECT_TRUE(faar(vis, 1));
    // The second start took nothing away from the first: a third reaches it too.
    EXPECT_FALSE(start()->foerste());
    EXPECT_TRUE(faar(vis, 2));
}

TEST_F(Enkeltstarter, AStartAfterTheFirstHasEndedRuns)
{
    start()->foerste();
    const auto igen = start();
    EXPECT_TRUE(igen->foerste());
    QSignalSpy vis(igen.get(), &Enkeltstart::vis);
    EXPECT_FALSE(start()->foerste());
    EXPECT_TRUE(faar(vis, 1));
}

TEST_F(Enkeltstarter, TheLockAndRequestsOfACrashedRunAreTakenOver)
{
    const QString laas = mappe.filePath(QStringLiteral("tavlum-t.lock"));
    QFile fil(laas);
    ASSERT_TRUE(fil.open(QIODevice::WriteOnly));
    fil.write(QByteArray::number(doedProces()) + "\ntest_app\n" +
              QSysInfo::machineHostName().toUtf8() + "\n");
    fil.close();
    // A request the crashed run never saw is not taken for a new one.
    ASSERT_TRUE(QDir(mappe.path()).mkpath(QStringLiteral("tavlum-t.d")));
    QFile gammel(mappe.filePath(QStringLiteral("tavlum-t.d/vis")));
    ASSERT_TRUE(gammel.open(QIODevice::WriteOnly));
    gammel.close();

    const auto foerste = start();
    ASSERT_TRUE(foerste->foerste());
    QSignalSpy vis(foerste.get(), &Enkeltstart::vis);
    EXPECT_FALSE(start()->foerste());
    EXPECT_TRUE(faar(vis, 1));
    EXPECT_FALSE(QFile::exists(gammel.fileName()));
}

TEST_F(Enkeltstarter, OtherUsersAndDataSetsRunApart)
{
    const QString navn = Enkeltstart::navn(QStringLiteral("anna"), QStringLiteral("/home/anna/Tavlum"));
    EXPECT_TRUE(navn.startsWith(QStringLiteral("tavlum-anna-")));
    EXPECT_NE(navn, Enkeltstart::navn(QStringLiteral("bo"), QStringLiteral("/home/anna/Tavlum")));
    EXPECT_NE(navn, Enkeltstart::navn(QStringLiteral("anna"), QStringLiteral("/tmp/x/Tavlum")));
    // A user name is no path and no pipe of another name.
    EXPECT_EQ(Enkeltstart::navn(QStringLiteral("a/b\\c d"), {}).section(u'-', 1, 1),
              QStringLiteral("a_b_c_d"));

    const auto anna = start(navn);
    ASSERT_TRUE(anna->foerste());
    EXPECT_TRUE(start(Enkeltstart::navn(QStringLiteral("bo"), {}))->foerste());
}

} // namespace
