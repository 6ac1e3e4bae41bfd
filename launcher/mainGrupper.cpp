// The main window's work on the group model: the panel, elements, group stepping.
#include "main.h"

#include "Beskeder.h"
#include "Elementmodel.h"
#include "Ikonvalg.h"
#include "Linjefil.h"

#include <QAction>
#include <QFileInfo>
#include <QListView>
#include <QMenu>
#include <QShortcut>
#include <QStyle>

void Tmainform::LoadProgramBoks(bool beggeBokse)
{
    // The group changed under the search; its results may name what is gone.
    afslutSoegning();
    setOverskrift(grupper.gruppenavn);
    // The group window's list shows the same elements; only its fields are its own.
    elementer->nulstil(grupper.programliste, grupper.tekstliste);
    if (Gruppevindue* boks = beggeBokse ? lavetBoks() : nullptr)
        boks->visGruppenavn(grupper.gruppenavn);
    tilpasGitter();
    opdaterAktioner();
}

QString Tmainform::makeIconFilnavn(const QString& str) const
{
    return m_ikonvalg->makeIconFilnavn(str);
}

void Tmainform::PutInIkonliste(const QString& FNavn, bool valgt)
{
    const Ikonvalg::Resultat r = m_ikonvalg->lav(FNavn);
    if (valgt && r.udfald == Ikonvalg::Udfald::Ukendt)
        beskeder().besked(QStringLiteral("Det er ikke en kørbar fil!"));
    if (Gruppevindue* boks = lavetBoks())
        boks->visIkon(r.ikon);
}

void Tmainform::insertItem(const QString& fName, QString Tekst, bool beggeBokse)
{
    afslutSoegning();
    if (grupper.gruppenavn.isEmpty()) {
        beskeder().besked(QStringLiteral("Der mangler et gruppenavn!"));
        if (beggeBokse)
            m_vinduer->boks().visSide(0);
        return;
    }
    if (!QFileInfo(fName).isFile()) {
        beskeder().besked(QStringLiteral("Filen kunne ikke findes!"));
        return;
    }
    if (Tekst.isEmpty())
        Tekst = Grupper::standardTekst(fName);
    // A group's files hold one name a line.
    if (!Linjefil::linjeFejl({fName, Tekst}).isEmpty()) {
        beskeder().besked(QStringLiteral("Filen kan ikke indsættes i gruppen, fordi navnet "
                                         "indeholder et linjeskift:\r") +
                          QString(fName).replace(u'\r', u'⏎').replace(u'\n', u'⏎'));
        return;
    }
    PutInIkonliste(fName, false);
    elementer->tilfoej(fName, Tekst);
    tilpasGitter();
    grupper.tilfoej(fName, Tekst);
    gemAktivGruppe();
}

int Tmainform::valgtElement() const
{
    const QModelIndex valgt = programBoks->currentIndex();
    return valgt.isValid() && programBoks->selectionModel()->isSelected(valgt) ? valgt.row() : -1;
}

void Tmainform::deleteItem()
{
    if (grupper.gruppenavn.isEmpty()) {
        beskeder().besked(QStringLiteral("Der mangler et gruppenavn!"));
        return;
    }
    // A result of the search is no place in the active group.
    const int valgt = soeger() ? -1 : valgtElement();
    if (valgt < 0) {
        beskeder().besked(QStringLiteral("Der er ikke valgt et element at slette!"));
        return;
    }
    if (!beskeder().spoerg(QStringLiteral("Skal programmet ") +
                           elementer->index(valgt).data().toString() + QStringLiteral(" slettes?")))
        return;
    grupper.fjern(valgt);
    gemAktivGruppe();
    LoadProgramBoks(true);
    if (Gruppevindue* boks = lavetBoks())
        boks->elementSlettet();
}

void Tmainform::AfremExecute()
{
    m_vinduer->boks().SkiftGruppe(Grupper::naeste(m_vinduer->boks().valgtGruppe(),
                                                  static_cast<int>(grupper.gruppeliste.size())));
}

void Tmainform::AtilbageExecute()
{
    m_vinduer->boks().SkiftGruppe(Grupper::forrige(m_vinduer->boks().valgtGruppe(),
                                                   static_cast<int>(grupper.gruppeliste.size())));
}

void Tmainform::opdaterAktioner()
{
    const bool flere = grupper.gruppeliste.size() > 1;
    Afrem->setEnabled(flere);
    Atilbage->setEnabled(flere);
    aGo->setEnabled(valgtElement() >= 0);
    const bool gruppe = !grupper.gruppenavn.isEmpty();
    for (QAction* a : {aMenuVis, aStifinder, insertFromStifinder})
        a->setEnabled(gruppe);
    aSoeg->setEnabled(!grupper.gruppeliste.isEmpty());
    aStartAlle->setEnabled(gruppe && !grupper.programliste.isEmpty());
}

QAction* Tmainform::aktion(const char* navn, const QString& caption, const QString& hint,
                           const QKeySequence& genvej)
{
    auto* a = new QAction(caption, this);
    // Named as the widgets are, so that it can be found from outside.
    a->setObjectName(QLatin1String(navn));
    // A carriage return breaks the tooltip's line; the status bar has one line.
    a->setStatusTip(QString(hint).replace(QLatin1Char('\r'), QLatin1Char(' ')));
    a->setToolTip(hint.isEmpty() ? caption
                                 : QString(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    a->setShortcut(genvej);
    // The main window's keys are its own (the strip's too, as it is this window).
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    return a;
}

void Tmainform::lavAktioner()
{
    const auto side = [this](int nr) { return [this, nr] { m_vinduer->boks().visSide(nr); }; };
    aInfo = aktion("aInfo", QStringLiteral("Information..."), QStringLiteral("ProgramInformation"),
                   QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(aInfo, &QAction::triggered, this, [this] { HelpInfo(QStringLiteral("Tavlum")); });
    mVinfo = aktion("mVinfo", QStringLiteral("Versions information..."), {});
    connect(mVinfo, &QAction::triggered, this, [this] { visOmProgrammet(this); });
    aProgrammer = aktion("aProgrammer", QStringLiteral("Grupper og elementer..."),
                         QStringLiteral("Indfør og rediger grupper og deres elementer"),
                         QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(aProgrammer, &QAction::triggered, this, side(-1));
    aEgenskaber = aktion("aEgenskaber", QStringLiteral("Egenskaber..."),
                         QStringLiteral("Bestem egenskaber ved programmet"),
                         QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(aEgenskaber, &QAction::triggered, this,
            [this] { visVindue(m_vinduer->egenskaber().vindue()); });
    aGrupper = aktion("aGrupper", QStringLiteral("Grupper..."), {});
    connect(aGrupper, &QAction::triggered, this, side(0));
    aElementer = aktion("aElementer", QStringLiteral("Nyt element..."), {});
    connect(aElementer, &QAction::triggered, this, side(1));
    aRedigeElementer =
        aktion("aRedigeElementer", QStringLiteral("Fjern eller rediger element..."), {});
    connect(aRedigeElementer, &QAction::triggered, this, side(2));
    aLager = aktion("aLager", QStringLiteral("Administrer grupper..."), {});
    connect(aLager, &QAction::triggered, this, side(3));
    Atilbage = aktion("Atilbage", QStringLiteral("Foregående gruppe"),
                      QStringLiteral("Foregående programgruppe: Ctrl+F"),
                      QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(Atilbage, &QAction::triggered, this, &Tmainform::AtilbageExecute);
    Afrem =
        aktion("Afrem", QStringLiteral("Næste gruppe"),
               QStringLiteral("Næste programgruppe: Ctrl+N"), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(Afrem, &QAction::triggered, this, &Tmainform::AfremExecute);
    aGo = aktion("aGo", QStringLiteral("Aktiver valgte element"),
                 QStringLiteral("Aktiver valgte element: F9 | Ctrl+A"));
    aGo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::Key_F9)});
    connect(aGo, &QAction::triggered, this, &Tmainform::programBoksDblClick);
    aMenuVis = aktion("aMenuVis", QStringLiteral("Menu-visning"),
                      QStringLiteral("Skift til menu-visning: Ctrl+M"),
                      QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(aMenuVis, &QAction::triggered, this, &Tmainform::aMenuVisExecute);
    aStifinder =
        aktion("aStifinder", {},
               QStringLiteral("Åben stifinder for at indføre \ret element i aktuelle gruppe"),
               QKeySequence(Qt::Key_F5));
    connect(aStifinder, &QAction::triggered, this, &Tmainform::aStifinderExecute);
    insertFromStifinder =
        aktion("insertFromStifinder", {},
               QStringLiteral("Indsæt elementer fra Stifinder\rved drag and drop"),
               QKeySequence(Qt::Key_F6));
    connect(insertFromStifinder, &QAction::triggered, this, &Tmainform::insertFromStifinderExecute);
    aSoeg = aktion("aSoeg", QStringLiteral("Søg element..."),
                   QStringLiteral("Søg element i alle grupper: Ctrl+K"),
                   QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(aSoeg, &QAction::triggered, this, &Tmainform::visSoegning);
    aStartAlle = aktion("aStartAlle", QStringLiteral("Start alle i gruppen"), {});
    connect(aStartAlle, &QAction::triggered, this, &Tmainform::startAlleIGruppen);
    // The group window edits the active group; the panel shows it again first.
    for (QAction* a : {aProgrammer, aGrupper, aElementer, aRedigeElementer, aLager, aStifinder})
        connect(a, &QAction::triggered, this, &Tmainform::afslutSoegning, Qt::DirectConnection);
    mLuk = aktion("mLuk", QStringLiteral("Luk Tavlum"), {}, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(mLuk, &QAction::triggered, this, &QWidget::close);
}

void Tmainform::lavPopupMenu()
{
    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    PopupMenu->addAction(aInfo);
    PopupMenu->addAction(mVinfo);
    PopupMenu->addSeparator();
    PopupMenu->addAction(aProgrammer);
    PopupMenu->addAction(aEgenskaber);
    QMenu* administrer = PopupMenu->addMenu(QStringLiteral("Administrer"));
    administrer->addActions({aGrupper, aElementer, aRedigeElementer, aLager});
    PopupMenu->addSeparator();
    PopupMenu->addAction(Atilbage);
    PopupMenu->addAction(Afrem);
    PopupMenu->addSeparator();
    PopupMenu->addAction(aGo);
    PopupMenu->addAction(aSoeg);
    PopupMenu->addAction(aStartAlle);
    PopupMenu->addSeparator();
    PopupMenu->addAction(aMenuVis);
    PopupMenu->addSeparator();
    PopupMenu->addAction(mLuk);
    for (const QKeySequence& tast :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)})
        connect(new QShortcut(tast, this), &QShortcut::activated, this,
                [this] { visPopupMenu({}); });
}

void Tmainform::visPopupMenu(QPoint sted)
{
    // Pending storage changes are saved, and the menu opens all the same.
    gemVentendeLager();
    opdaterAktioner();
    if (sted.isNull()) {
        // From the keyboard: under the element or the button in focus.
        const QModelIndex element = programBoks->currentIndex();
        QWidget* fokus = focusWidget();
        if (fokus == programBoks && element.isValid())
            sted =
                programBoks->viewport()->mapToGlobal(programBoks->visualRect(element).bottomLeft());
        else
            sted = fokus ? fokus->mapToGlobal(fokus->rect().bottomLeft()) : mapToGlobal(QPoint());
    }
    PopupMenu->popup(sted);
}
