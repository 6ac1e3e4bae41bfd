#include "Design.h"
#include "Kontrast.h"
#include "Programtest.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>

namespace {

// How far a button's picture stands out where it is drawn: the button
// rendered with its picture against the same button with an empty one.
double billedkontrast(QAbstractButton* knap, const QImage& med)
{
    const QIcon ikon = knap->icon();
    QPixmap tom(knap->iconSize());
    tom.fill(Qt::transparent);
    knap->setIcon(QIcon(tom));
    const QImage uden = knap->grab().toImage();
    knap->setIcon(ikon);
    double bedst = 1;
    for (int y = 0; y < std::min(med.height(), uden.height()); ++y)
        for (int x = 0; x < std::min(med.width(), uden.width()); ++x)
            bedst = std::max(bedst, Kontrast::forhold(med.pixel(x, y), uden.pixel(x, y)));
    return bedst;
}

// Whether a rendered control shows anything at all (an empty field without a frame does not).
bool tegnet(const QImage& billede)
{
    for (int y = 0; y < billede.height(); ++y)
        for (int x = 0; x < billede.width(); ++x)
            if (billede.pixel(x, y) != billede.pixel(0, 0))
                return true;
    return false;
}

bool kontrol(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

QString navn(const QWidget* w)
{
    const QString n = w->objectName().isEmpty() ? w->accessibleName() : w->objectName();
    return n + " i " + w->window()->objectName();
}

} // namespace

using Udseende = Programtest;

// Each window laid out as it is shown, without showing it (the help viewer
// would then load its browser): its controls are rendered one by one.
TEST_F(Udseende, InEveryDesignADisabledControlLooksDisabledAndEveryPictureStandsOut)
{
    Tmainform& main = startMed({"Spil", "Musik"}, "Spil");
    for (const QString& design : Design::navne()) {
        main.skiftDesign(design);
        QStringList ens, usynlige;
        for (QWidget* v : program->vinduer()) {
            v->ensurePolished();
            if (v->layout())
                v->layout()->activate();
            for (QWidget* w : v->findChildren<QWidget*>()) {
                if (!kontrol(w) || !w->isVisibleTo(v) || w->size().isEmpty() ||
                    (w->parentWidget() && !w->parentWidget()->isEnabled()))
                    continue;
                const bool foer = w->isEnabled();
                const QImage som = w->grab().toImage();
                w->setEnabled(!foer);
                const QImage modsat = w->grab().toImage();
                w->setEnabled(foer);
                if (som == modsat && tegnet(som))
                    ens << navn(w);
                auto* knap = qobject_cast<QAbstractButton*>(w);
                if (knap && foer && !knap->icon().isNull() &&
                    billedkontrast(knap, som) < Kontrast::graense)
                    usynlige << navn(w);
            }
        }
        EXPECT_TRUE(ens.isEmpty()) << design.toStdString() << ": " << ens.join(", ").toStdString();
        EXPECT_TRUE(usynlige.isEmpty())
            << design.toStdString() << ": " << usynlige.join(", ").toStdString();
    }
}

// A window at its smallest still shows every line of its wrapped texts, on every page.
TEST_F(Udseende, AtItsSmallestEveryWindowShowsItsWrappedTextsWhole)
{
    Tmainform& main = startMed({"Spil", "Musik"}, "Spil");
    QStringList klippet;
    for (const QString& design : Design::navne())
    for (QWidget* v : program->vinduer()) {
        main.skiftDesign(design);
        v->ensurePolished();
        if (!v->layout())
            continue;
        v->resize(v->minimumSize());
        const QList<QTabWidget*> boeger = v->findChildren<QTabWidget*>();
        for (int side = 0; side < 8; ++side) {
            for (QTabWidget* bog : boeger)
                bog->setCurrentIndex(std::min(side, bog->count() - 1));
            v->layout()->activate();
            for (QLabel* l : v->findChildren<QLabel*>()) {
                const QString tekst = l->text() + " i " + v->objectName() + " (" + design + ')';
                if (l->wordWrap() && l->isVisibleTo(v) && !l->text().isEmpty() &&
                    l->height() < l->heightForWidth(l->width()) && !klippet.contains(tekst))
                    klippet << tekst;
            }
        }
    }
    EXPECT_TRUE(klippet.isEmpty()) << klippet.join(", ").toStdString();
}
