#include "Programtest.h"
#include "Starter.h"
#include "WindowApplets.h"
#include "information.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QScreen>

namespace {

QString datasaet()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("../share/tavlum/Window applets");
}

} // namespace

class Applets : public Programtest
{
};

TEST_F(Applets, TwentyButtonsInRowsOfSixSevenAndSeven)
{
    startMed({"A"}, "A");
    TwaForm& w = program->waForm();
    EXPECT_EQ(w.windowTitle(), "Window applets");
    EXPECT_EQ(w.size(), QSize(809, 313));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QList<int> raekker;
    for (const auto& r : TwaForm::applets())
        raekker << r.size();
    EXPECT_EQ(raekker, (QList<int>{6, 7, 7}));
    const auto* lyd = w.findChild<QPushButton*>("winApp10");
    ASSERT_TRUE(lyd);
    EXPECT_EQ(lyd->text(), "Lyd");
    EXPECT_EQ(lyd->toolTip(),
              "Åbner en boks angående afspilning, optagelse, lyde samt kommunikation");

    program->mainform->move(100, 200);
    w.show();
    // Across only: the test screen is narrower than the window, which is kept on it.
    EXPECT_NEAR(w.frameGeometry().center().y(), program->mainform->frameGeometry().center().y(), 2);
    w.lukKnap->click();
    EXPECT_FALSE(w.isVisible());

    // Over the menu view's strip at the top it would reach above the screen.
    program->mainform->setGeometry(0, 0, 1024, 48);
    w.show();
    const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w.frameGeometry().top(), skaerm.top());
    EXPECT_EQ(w.frameGeometry().left(), skaerm.left());
    w.hide();
    const auto* internet = w.findChild<QPushButton*>("winApp8");
    EXPECT_EQ(internet->accessibleName(), "Internet indstillinger");
    EXPECT_EQ(internet->text().simplified(), "Internet indstillinger");
}

TEST_F(Applets, AButtonRunsItsScriptFromTheAppletsFolderUnchanged)
{
    startMed({"A"}, "A");
    TwaForm& w = program->waForm();
    w.findChild<QPushButton*>("winApp6")->click();
    ASSERT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(platform.kald[0].file,
              mappe.sti("Tavlum/Window applets/enhedshåndtering.sh").toStdString());
    EXPECT_TRUE(beskeder.beskeder.isEmpty());

    QFile::remove(mappe.sti("Tavlum/Window applets/kontrolpanel.sh"));
    w.findChild<QPushButton*>("winApp9")->click();
    EXPECT_EQ(platform.kald.size(), 1u);
    EXPECT_EQ(beskeder.beskeder, QStringList{"Den specificerede fil blev ikke fundet."});

    w.infoKnap->click();
    EXPECT_TRUE(program->infoform().isVisible());
    program->infoform().hide();
}

TEST(AppletScripts, EveryButtonHasBothScriptsAndTheLinuxOnesCanRun)
{
    for (const auto& raekke : TwaForm::applets()) {
        for (const TwaForm::Applet& a : raekke) {
            const QString navn = QDir(datasaet()).filePath(a.script);
            EXPECT_TRUE(QFileInfo(navn).isFile()) << navn.toStdString();
            const QFileInfo sh(navn.chopped(4) + ".sh");
            EXPECT_TRUE(sh.isFile() && sh.isExecutable()) << sh.filePath().toStdString();
        }
    }
}

// Runs an applet script with only the given programs on the path, each of
// which writes its name and arguments to "kaldt"; its exit status, what it
// printed, and what was started.
struct Koersel
{
    int status = -1;
    QString tekst;
    QString kaldt;
};

static Koersel koer(const QString& script, const QString& skrivebord, const QStringList& programmer)
{
    Testmappe m;
    for (const QString& p : programmer) {
        m.skriv("bin/" + p, "#!/bin/sh\necho \"$(basename \"$0\") $*\" > \"$KALDT\"\n");
        QFile::setPermissions(m.sti("bin/" + p),
                              QFile::permissions(m.sti("bin/" + p)) | QFileDevice::ExeOwner);
    }
    QProcess sh;
    QProcessEnvironment env;
    env.insert("PATH", m.sti("bin") + ":/usr/bin:/bin");
    env.insert("XDG_CURRENT_DESKTOP", skrivebord);
    env.insert("KALDT", m.sti("kaldt"));
    sh.setProcessEnvironment(env);
    sh.start(QDir(datasaet()).filePath(script), {});
    Koersel k;
    if (!sh.waitForFinished(10000))
        return k;
    k.status = sh.exitCode();
    k.tekst = QString::fromUtf8(sh.readAllStandardOutput());
    // A settings program runs on after the script, on its own.
    if (k.status == 0) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return m.laes("kaldt").endsWith('\n'); }, 5000));
    }
    k.kaldt = QString::fromUtf8(m.laes("kaldt")).trimmed();
    return k;
}

TEST(AppletScripts, StartTheRunningDesktopsPageAndEndAtOnceInSilence)
{
    const std::tuple<const char*, const char*, QStringList, const char*> tilfaelde[] = {
        {"vis_egenskaber.sh",
         "GNOME",
         {"gnome-control-center", "systemsettings"},
         "gnome-control-center display"},
        {"vis_egenskaber.sh",
         "KDE",
         {"gnome-control-center", "systemsettings"},
         "systemsettings kcm_kscreen"},
        {"enhedshåndtering.sh",
         "GNOME",
         {"gnome-control-center"},
         "gnome-control-center info-overview"}};
    for (const auto& [script, skrivebord, programmer, ventet] : tilfaelde) {
        const Koersel k = koer(script, skrivebord, programmer);
        EXPECT_EQ(k.status, 0) << script;
        EXPECT_TRUE(k.tekst.isEmpty()) << script;
        EXPECT_EQ(k.kaldt, ventet) << script;
    }
}

TEST(AppletScripts, WithoutAPageTheyPrintTheDanishTextAndEndWithTheDocumentedStatus)
{
    // A program that would once have shown the text itself is not asked.
    const Koersel k = koer("bruger_konti.sh", "XFCE", {"zenity", "xmessage"});
    EXPECT_EQ(k.status, Starter::ingenSide);
    EXPECT_EQ(k.tekst, "Dette skrivebord har ingen indstillingsside for \"Brugerkonti\".\n");
    EXPECT_TRUE(k.kaldt.isEmpty());
    EXPECT_EQ(koer("fonts.sh", "", {}).tekst,
              "Dette skrivebord har ingen indstillingsside for \"Skrifttyper\".\n");
}
