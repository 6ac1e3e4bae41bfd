#include "Dansk.h"
#include "Kaede.h"
#include "Mappeindhold.h"

#include <QCollator>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <random>

namespace {

using Entry = Platform::FolderEntry;

QStringList navne(const std::vector<std::string>& raa, std::size_t antal = SIZE_MAX)
{
    QStringList ud;
    for (std::size_t i = 0; i < std::min(antal, raa.size()); ++i)
        ud << QString::fromStdString(raa[i]);
    return ud;
}

// Names that interleave in any order, with the same name in two cases.
std::vector<Entry> blandede(int mapper, int filer)
{
    std::vector<Entry> ud;
    const auto tilfoej = [&](int antal, const char* stor, const char* lille, const char* endelse,
                             Entry::Kind kind) {
        for (int i = 0; i < antal; ++i)
            ud.push_back({QStringLiteral("%1 %2%3")
                              .arg(i % 2 ? stor : lille)
                              .arg((i * 7919) % antal)
                              .arg(endelse)
                              .toStdString(),
                          kind});
    };
    tilfoej(mapper, "Mappe", "mappe", "", Entry::Folder);
    tilfoej(filer, "Fil", "fil", ".txt", Entry::File);
    std::shuffle(ud.begin(), ud.end(), std::mt19937(7));
    return ud;
}

} // namespace

TEST(Mappeindhold, HiddenAndOtherEntriesAreLeftOutAndNamesOrderByLocaleIgnoringCase)
{
    const Dansk dansk;
    Mappeindhold indhold({{"zebra.txt", Entry::File},
                          {"Æble.txt", Entry::File},
                          {"B2.txt", Entry::File},
                          {".skjult", Entry::File, true},
                          {"b.txt", Entry::File},
                          {"rør", Entry::Other},
                          {"Under", Entry::Folder},
                          {"a", Entry::Folder},
                          {"A", Entry::Folder},
                          {".cache", Entry::Folder, true}});
    EXPECT_EQ(indhold.antal(), 7u);
    indhold.ordnAlle();
    // Names that collate alike keep one order: the file system's bytes settle them.
    EXPECT_EQ(navne(indhold.mapper()), QStringList({"A", "a", "Under"}));
    EXPECT_EQ(navne(indhold.filer()), QStringList({"b.txt", "B2.txt", "zebra.txt", "Æble.txt"}));
}

TEST(Mappeindhold, TheFirstRowsOrderedAloneAreTheFirstRowsOfTheWholeOrder)
{
    for (const auto& [mapper, filer, foerste] :
         {std::tuple{5, 3000, 40}, std::tuple{3000, 3000, 40}, std::tuple{10, 20, 100}}) {
        Mappeindhold hele(blandede(mapper, filer));
        hele.ordnAlle();
        Mappeindhold del(blandede(mapper, filer));
        del.ordnFoerste(static_cast<std::size_t>(foerste));
        const auto n = static_cast<std::size_t>(foerste);
        EXPECT_EQ(navne(del.mapper(), n), navne(hele.mapper(), n)) << mapper;
        const std::size_t resten = n > hele.mapper().size() ? n - hele.mapper().size() : 0;
        EXPECT_EQ(navne(del.filer(), resten), navne(hele.filer(), resten)) << mapper;
    }
}

TEST(Mappeindhold, ALargeFolderOrderedInTwoHalvesIsInOneOrder)
{
    Mappeindhold indhold(blandede(0, 24000));
    indhold.ordnAlle();
    ASSERT_EQ(indhold.filer().size(), 24000u);
    QLocale sprog;
    if (sprog.language() == QLocale::C)
        sprog = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(sprog);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto& filer = indhold.filer();
    for (std::size_t i = 1; i < filer.size(); ++i) {
        const int c = collator.compare(QString::fromStdString(filer[i - 1]),
                                       QString::fromStdString(filer[i]));
        ASSERT_TRUE(c < 0 || (c == 0 && filer[i - 1] < filer[i]))
            << filer[i - 1] << " before " << filer[i];
    }
}

// What a shown list painted first.
class ForstePaint : public QObject
{
public:
    explicit ForstePaint(Filliste& liste) : m_liste(liste)
    {
        liste.viewport()->installEventFilter(this);
    }
    QStringList raekker;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && raekker.isEmpty())
            for (int i = 0; i < m_liste.antal(); ++i)
                raekker << m_liste.noder().tekst(i);
        return false;
    }

private:
    Filliste& m_liste;
};

TEST_F(Kaede, AShownListOfALargeFolderPaintsItsFirstRowsBeforeTheWhole)
{
    for (int i = 0; i < 3000; ++i)
        QFile(mkdir("stor") + QStringLiteral("/fil %1.txt").arg(i)).open(QIODevice::WriteOnly);
    mkdir("stor/Mappe");
    liste.resize(300, 200);
    liste.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&liste));
    const ForstePaint paint(liste);
    funk.makeStruktur2(mappe.sti("stor"), true, true);
    ASSERT_FALSE(paint.raekker.isEmpty());
    EXPECT_LT(paint.raekker.size(), 100);
    EXPECT_EQ(paint.raekker, tekster().mid(0, paint.raekker.size()));
    EXPECT_EQ(liste.antal(), 3001);
    EXPECT_EQ(funk.antalGrundfiler, 3000);
    EXPECT_EQ(tekster().mid(0, 3), QStringList({"Mappe", "fil 0.txt", "fil 1.txt"}));
    EXPECT_EQ(valgtTekst(), "Mappe");
}
