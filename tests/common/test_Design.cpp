#include "Design.h"
#include "Kontrast.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>
#include <memory>

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

namespace {

struct Par
{
    QPalette::ColorRole forgrund, baggrund;
};

double forhold(const QPalette& p, QPalette::ColorRole a, QPalette::ColorRole b,
               QPalette::ColorGroup g = QPalette::Active)
{
    return Kontrast::forhold(p.color(g, a), p.color(g, b));
}

// The strongest contrast a rendered widget shows against a colour, inside `omraade`.
double stoerst(const QImage& billede, const QRect& omraade, const QColor& mod)
{
    double bedst = 1;
    const QRect r = omraade.intersected(billede.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            bedst = std::max(bedst, Kontrast::forhold(billede.pixel(x, y), mod));
    return bedst;
}

template <class W> QImage tegn(W& w)
{
    w.ensurePolished();
    w.resize(w.sizeHint());
    return w.grab().toImage();
}

} // namespace

class Designkontrast : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override { ASSERT_TRUE(Design::anvend(GetParam())); }
    void TearDown() override { Design::anvend("Windows10 Clear Day"); }
};

TEST_P(Designkontrast, TextIsAtLeastFourAndAHalfToOne)
{
    const QPalette p = QApplication::palette();
    using R = QPalette::ColorRole;
    for (const Par& par :
         {Par{R::Text, R::Base}, Par{R::WindowText, R::Window}, Par{R::ButtonText, R::Button},
          Par{R::HighlightedText, R::Highlight}, Par{R::ToolTipText, R::ToolTipBase},
          Par{R::PlaceholderText, R::Base}, Par{R::Link, R::Base}, Par{R::Link, R::Window}})
        EXPECT_GE(forhold(p, par.forgrund, par.baggrund), Kontrast::tekst)
            << par.forgrund << " on " << par.baggrund;
}

TEST_P(Designkontrast, OutlinesFocusAndSelectionAreAtLeastThreeToOne)
{
    const QPalette p = QApplication::palette();
    for (const QColor& baggrund :
         {p.color(QPalette::Window), p.color(QPalette::Base), p.color(QPalette::Button)}) {
        EXPECT_GE(Kontrast::forhold(Kontrast::kant(p), baggrund), Kontrast::graense)
            << baggrund.name().toStdString();
        EXPECT_GE(Kontrast::forhold(Kontrast::fokus(p), baggrund), Kontrast::graense)
            << baggrund.name().toStdString();
    }
    EXPECT_GE(forhold(p, QPalette::Highlight, QPalette::Base), Kontrast::graense);
}

TEST_P(Designkontrast, DisabledTextIsFainterAndGreyNeverHighlighted)
{
    const QPalette p = QApplication::palette();
    for (const auto rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        const double til = forhold(p, rolle, QPalette::Window);
        const double fra = forhold(p, rolle, QPalette::Window, QPalette::Disabled);
        EXPECT_LT(fra, til / 2) << rolle;
        EXPECT_GT(fra, 1.8) << rolle;
        EXPECT_LT(p.color(QPalette::Disabled, rolle).hslSaturationF(), 0.15) << rolle;
    }
    QPalette slukket = p;
    slukket.setCurrentColorGroup(QPalette::Disabled);
    EXPECT_LT(Kontrast::forhold(Kontrast::kant(slukket), p.color(QPalette::Window)),
              Kontrast::graense);
}

// Rendered as the user sees them: an empty check box and radio button are
// outlined, a checked one carries its mark, an edit field has its frame and
// its clear button.
TEST_P(Designkontrast, RenderedControlsShowTheirOutlineAndState)
{
    const QColor vindue = QApplication::palette().color(QPalette::Window);
    const QColor felt = QApplication::palette().color(QPalette::Base);
    for (const bool radio : {false, true}) {
        std::unique_ptr<QAbstractButton> knap;
        if (radio)
            knap = std::make_unique<QRadioButton>("Valg");
        else
            knap = std::make_unique<QCheckBox>("Valg");
        const QImage tom = tegn(*knap);
        QStyleOptionButton valg;
        valg.initFrom(knap.get());
        const QRect indikator = knap->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &valg,
            knap.get());
        EXPECT_GE(stoerst(tom, indikator, vindue), Kontrast::graense) << radio;
        knap->setChecked(true);
        const QImage fyldt = tegn(*knap);
        const QRect midte = indikator.adjusted(indikator.width() / 3, indikator.height() / 3,
                                               -indikator.width() / 3, -indikator.height() / 3);
        EXPECT_GE(stoerst(fyldt, midte, felt), Kontrast::graense) << radio;
        EXPECT_LT(stoerst(tom, midte, felt), 1.5) << radio;
    }
    QLineEdit edit;
    const QImage felter = tegn(edit);
    EXPECT_GE(stoerst(felter, QRect(0, felter.height() / 2, 2, 1), vindue), Kontrast::graense);
    // The clear button of a field that holds text, at its right end.
    QLineEdit soeg("tekst");
    soeg.setClearButtonEnabled(true);
    const QImage ryd = tegn(soeg);
    const QRect knap(ryd.width() - ryd.height(), 4, ryd.height() - 8, ryd.height() - 8);
    EXPECT_GE(stoerst(ryd, knap, felt), Kontrast::graense);
    QPushButton trykknap("Gem");
    const QImage kant = tegn(trykknap);
    EXPECT_GE(stoerst(kant, QRect(0, kant.height() / 2, 2, 1), vindue), Kontrast::graense);
}

INSTANTIATE_TEST_SUITE_P(AlleDesigns, Designkontrast, ::testing::ValuesIn(Design::navne()),
                         [](const ::testing::TestParamInfo<QString>& p) {
                             QString navn = p.param;
                             return navn.remove(' ').toStdString();
                         });
