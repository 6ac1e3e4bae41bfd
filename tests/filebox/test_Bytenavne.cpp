// Names that are not UTF-8, or that hold a line break, from the listing to
// every operation on them, with every byte kept.
#include "Kaede.h"
#include "functions/Stinavn.h"

#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Poster = std::vector<Platform::TreeEntry>;

class Bytenavne : public Kaede
{
protected:
    // Qt's own removal of the test folder skips names that are not UTF-8.
    ~Bytenavne() override
    {
        for (const Platform::TreeEntry& e : platform.readFolder(rod()).value_or(Poster()))
            platform.deletePermanently(rod() + "/" + e.name);
    }
    std::string rod() const { return mappe.sti("").toStdString(); }
    // Makes a file of these bytes under the test folder; `navn` is raw bytes.
    void fil(const std::string& navn, const std::string& indhold)
    {
        const std::string sti = rod() + "/" + navn;
        const int fd = ::open(sti.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0) << sti;
        ASSERT_EQ(::write(fd, indhold.data(), indhold.size()),
                  static_cast<ssize_t>(indhold.size()));
        ::close(fd);
    }
    void mappe_(const std::string& navn)
    {
        ASSERT_EQ(::mkdir((rod() + "/" + navn).c_str(), 0755), 0);
    }
    // The names a folder holds, as bytes, in byte order.
    std::vector<std::string> navne(const std::string& relativ) const
    {
        std::vector<std::string> ud;
        for (const Platform::TreeEntry& e :
             platform.readFolder(rod() + "/" + relativ).value_or(Poster()))
            ud.push_back(e.name);
        std::sort(ud.begin(), ud.end());
        return ud;
    }
    std::string laes(const std::string& relativ) const
    {
        std::string ud;
        const int fd = ::open((rod() + "/" + relativ).c_str(), O_RDONLY);
        char buf[256];
        for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;)
            ud.append(buf, static_cast<std::size_t>(n));
        if (fd >= 0)
            ::close(fd);
        return ud;
    }
    QString q(const std::string& relativ) const { return Stinavn::tekst(rod() + "/" + relativ); }
    // Lists a folder and selects the entries of these names, the first current.
    void vis(const std::string& relativ, const std::vector<std::string>& valgte = {})
    {
        funk.makeStruktur2(q(relativ), true, true);
        liste.vaelg(-1);
        for (const std::string& n : valgte)
            liste.selectionModel()->select(liste.noder().index(raekke(n)),
                                           QItemSelectionModel::Select);
        if (!valgte.empty())
            liste.selectionModel()->setCurrentIndex(liste.noder().index(raekke(valgte.front())),
                                                    QItemSelectionModel::Select);
        funk.infoStruktur2();
    }
    int raekke(const std::string& navn) const
    {
        for (int i = 0; i < liste.antal(); ++i)
            if (Stinavn::bytes(liste.noder().navn(i)) == navn)
                return i;
        return -1;
    }
};

const std::string latin1 = "a\xff.txt";
const std::string erstatning = "a\xef\xbf\xbd.txt";
const std::string doer = "d\xf8r";

} // namespace

TEST_F(Bytenavne, TwoNamesShownAlikeStayTwoFilesAndDeletingOneLeavesTheOther)
{
    mkdir("g");
    fil("g/" + latin1, "latin");
    fil("g/" + erstatning, "utf");
    fil("g/ny\nlinje.txt", "linje");
    vis("g");
    EXPECT_EQ(tekster(), QStringList({"a\uFFFD.txt", "a\uFFFD.txt", "ny\u21B5linje.txt"}));
    vis("g", {latin1});
    EXPECT_EQ(funk.DeleteElementer(false), 1);
    EXPECT_EQ(navne("g"), (std::vector<std::string>{erstatning, "ny\nlinje.txt"}));
    EXPECT_EQ(laes("g/" + erstatning), "utf");
    // The confirmation named it as the eye reads it.
    EXPECT_EQ(bekraeftelse.vist.at(0).filer, QStringList{"a\uFFFD.txt"});
}

TEST_F(Bytenavne, AFolderThatIsNotTextIsEnteredCopiedMovedAndTrashedWithItsBytes)
{
    mkdir("g");
    mkdir("maal");
    mappe_("g/" + doer);
    fil("g/" + doer + "/" + latin1, "indhold");
    fil("g/ny\nlinje.txt", "linje");
    vis("g", {doer});
    EXPECT_EQ(funk.udfoldFilDirectory(), q("g/" + doer));
    EXPECT_EQ(tekster(), QStringList{"a\uFFFD.txt"});
    EXPECT_EQ(funk.Filnavn, q("g/" + doer + "/" + latin1));

    vis("g", {doer, "ny\nlinje.txt"});
    ASSERT_EQ(funk.CopyElementer(), 2);
    vis("maal");
    EXPECT_EQ(funk.PasteElementer(false), 2);
    EXPECT_EQ(navne("maal"), (std::vector<std::string>{doer, "ny\nlinje.txt"}));
    EXPECT_EQ(laes("maal/" + doer + "/" + latin1), "indhold");

    mkdir("flyttet");
    vis("maal", {doer});
    ASSERT_EQ(funk.CopyElementer(), 1);
    vis("flyttet");
    platform.papirkurvSletter = true;
    EXPECT_EQ(funk.PasteElementer(true), 1);
    EXPECT_EQ(laes("flyttet/" + doer + "/" + latin1), "indhold");
    EXPECT_EQ(platform.papirkurv, std::vector<std::string>{rod() + "/maal/" + doer});
    EXPECT_TRUE(beskeder.beskeder.isEmpty());
}

TEST_F(Bytenavne, ARenameKeepsTheFoldersBytesAndAnUnchangedTextRenamesNothing)
{
    mkdir("g");
    mappe_("g/" + doer);
    fil("g/" + doer + "/" + latin1, "x");
    vis("g/" + doer, {latin1});
    const QString vist = liste.noder().tekst(0);
    EXPECT_EQ(funk.RenameNode(0, vist, vist, false), vist);
    EXPECT_EQ(navne("g/" + doer), std::vector<std::string>{latin1});

    EXPECT_EQ(funk.RenameNode(0, vist, QStringLiteral("\u00e9"), false), "\u00e9.txt");
    EXPECT_EQ(navne("g/" + doer), std::vector<std::string>{"\xc3\xa9.txt"});
    EXPECT_EQ(funk.Filnavn, q("g/" + doer + "/\xc3\xa9.txt"));
    EXPECT_EQ(tekster(), QStringList{"\u00e9.txt"});
}

TEST_F(Bytenavne, ADragCarriesTheBytesAndADropFindsTheSameFile)
{
    mkdir("g");
    fil("g/" + latin1, "x");
    vis("g", {latin1});
    std::unique_ptr<QMimeData> data(liste.noder().mimeData({liste.noder().index(0)}));
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(Stinavn::bytes(Stinavn::fraUrl(data->urls().at(0))), rod() + "/g/" + latin1);
    // As the desktop's file managers write it.
    EXPECT_TRUE(data->urls().at(0).toEncoded().endsWith("/g/a%FF.txt"));
}
