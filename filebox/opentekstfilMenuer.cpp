// The file box's actions, toolbars and menus.
#include "Fil_info.h"
#include "Filboksbilleder.h"
#include "Filliste.h"
#include "Hub.h"
#include "Spm_Kopiering.h"
#include "Tilgaengelighed.h"
#include "functions/Handlinger.h"
#include "functions/Stinavn.h"
#include "opentekstfil.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

QAction* Topenfilform::aktion(const char* navn, const QString& caption, const QString& hint,
                              const QString& billede, const QKeySequence& genvej)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(QLatin1String(navn));
    a->setToolTip(hint.isEmpty() ? caption : hint);
    a->setStatusTip(hint);
    a->setShortcut(genvej);
    a->setShortcutContext(Qt::WindowShortcut);
    m_billeder.append({a, billede});
    addAction(a);
    return a;
}

void Topenfilform::lavAktioner()
{
    using Q = QKeySequence;
    aCopy =
        aktion("aCopy", QStringLiteral("Kopier"), QStringLiteral("Kopier valgte elementer: Ctrl+C"),
               QStringLiteral("kopier"), Q(Qt::CTRL | Qt::Key_C));
    aKlip = aktion("aKlip", QStringLiteral("Klip"), QStringLiteral("Klip valgte elementer: Ctrl+X"),
                   QStringLiteral("klip"), Q(Qt::CTRL | Qt::Key_X));
    aPaste = aktion("aPaste", QStringLiteral("Sæt ind"),
                    QStringLiteral("Indsæt kopierede elementer: Ctrl+V"), QStringLiteral("indsaet"),
                    Q(Qt::CTRL | Qt::Key_V));
    aFortryd = aktion("aFortryd", QStringLiteral("Fortryd"),
                      QStringLiteral("Fortryd sidste handling: Ctrl+Z"), QStringLiteral("fortryd"),
                      Q(Qt::CTRL | Qt::Key_Z));
    aDelete = aktion("aDelete", QStringLiteral("Slet"),
                     QStringLiteral("Slet valgte elementer: Ctrl+D"), QStringLiteral("slet"));
    aDelete->setShortcuts({Q(Qt::CTRL | Qt::Key_D), Q(Qt::Key_Delete)});
    aDeletePermanent = aktion("aDeletePermanent", QStringLiteral("Slet permanent"),
                              QStringLiteral("Sletter valgte elementer permanent: Shift+Del"),
                              QStringLiteral("sletpermanent"), Q(Qt::SHIFT | Qt::Key_Delete));
    aRename = aktion("aRename", QStringLiteral("Omdøb"), QStringLiteral("Omdøb valgte element: F2"),
                     QStringLiteral("omdoeb"), Q(Qt::Key_F2));
    aNyMappe =
        aktion("aNyMappe", QStringLiteral("Ny mappe"), QStringLiteral("Opret ny mappe: Ctrl+M"),
               QStringLiteral("nymappe"), Q(Qt::CTRL | Qt::Key_M));
    aGendan = aktion("aGendan", QStringLiteral("Gendan"),
                     QStringLiteral("Læg valgte elementer tilbage, hvor de blev slettet fra"),
                     QStringLiteral("gendan"));
    aMarkerAlt = aktion("aMarkerAlt", QStringLiteral("Marker alt"),
                        QStringLiteral("Marker alle elementer: Ctrl+A"), QStringLiteral("alle"),
                        Q(Qt::CTRL | Qt::Key_A));
    aMarkerIngen = aktion("aMarkerIngen", QStringLiteral("Marker ingen"),
                          QStringLiteral("Fjern alle markeringer: Ctrl+I"), QStringLiteral("ingen"),
                          Q(Qt::CTRL | Qt::Key_I));
    aMarkerInvers =
        aktion("aMarkerInvers", QStringLiteral("Inverter"), {}, QStringLiteral("inverter"));
    aEmptyRB = aktion("aEmptyRB", QStringLiteral("Tøm papirkurv"), QStringLiteral("Tøm papirkurv"),
                      QStringLiteral("papirkurv"));
    Agofile = aktion("Agofile", QStringLiteral("Kør i program"),
                     QStringLiteral("Forsøg at køre filen i andet program: Ctrl+P"),
                     QStringLiteral("koer"), Q(Qt::CTRL | Qt::Key_P));
    aRediger =
        aktion("aRediger", QStringLiteral("Rediger"),
               QStringLiteral("Rediger valgte fil i andet program"), QStringLiteral("rediger"));
    aRedigerDokument = aktion("aRedigerDokument", QStringLiteral("Rediger"),
                              QStringLiteral("Rediger valgte dokument: Ctrl+R"),
                              QStringLiteral("rediger"), Q(Qt::CTRL | Qt::Key_R));
    aVisBillede = aktion("aVisBillede", QStringLiteral("Vis billede"),
                         QStringLiteral("Vis valgt billede i den interne fremviser: Ctrl+B"),
                         QStringLiteral("visbillede"), Q(Qt::CTRL | Qt::Key_B));
    aHTMLfilmliste = aktion("aHTMLfilmliste", QStringLiteral("Html filmliste"),
                            QStringLiteral("Skaber en hjemmeside med valgte film til afspilning"),
                            QStringLiteral("filmliste"));
    aHTMLmusikliste = aktion("aHTMLmusikliste", QStringLiteral("Html musikliste"),
                             QStringLiteral("Skaber en hjemmeside med valgte musik til afspilning"),
                             QStringLiteral("musikliste"));
    aHTMLbilledliste =
        aktion("aHTMLbilledliste", QStringLiteral("Html billedliste"),
               QStringLiteral("Skaber en hjemmeside med valgte billeder til afspilning"),
               QStringLiteral("billedliste"));
    aEleEgenskaber = aktion("aEleEgenskaber", QStringLiteral("Vis egenskaber"),
                            QStringLiteral("Vis valgte elements egenskaber: Alt+Enter"),
                            QStringLiteral("egenskaber"), Q(Qt::ALT | Qt::Key_Return));
    aDrevinfo = aktion("aDrevinfo", QStringLiteral("Drevinformation"),
                       QStringLiteral("Vis drevinformation"), QStringLiteral("drevinfo"));
    aOpenAktuelleMappe = aktion("aOpenAktuelleMappe", QStringLiteral("Åben i Stifinder"),
                                QStringLiteral("Åben aktuelle mappe i Windows Stifinder"),
                                QStringLiteral("stifinder"));

    // The keys of the desktop's file managers for moving between folders.
    aMappeOp = aktion("aMappeOp", QStringLiteral("Mappen ovenover"),
                      QStringLiteral("Vis mappen ovenover: Backspace"), QStringLiteral("forrige"));
    aMappeOp->setShortcuts({Q(Qt::Key_Backspace), Q(Qt::ALT | Qt::Key_Up)});
    aTilbage = aktion("aTilbage", QStringLiteral("Tilbage"),
                      QStringLiteral("Gå til foregående mappe: Alt+Venstre"),
                      QStringLiteral("forrige"), Q(Qt::ALT | Qt::Key_Left));
    aFrem = aktion("aFrem", QStringLiteral("Frem"), QStringLiteral("Gå til næste mappe: Alt+Højre"),
                   QStringLiteral("naeste"), Q(Qt::ALT | Qt::Key_Right));
    connect(aMappeOp, &QAction::triggered, this, [this] {
        funk->AktiveStruktur = 2;
        // Out of the bin goes back to the folder shown before it.
        if (funk->papirkurvVises())
            funk->makeStruktur2(funk->Grundmappe, false, true);
        else
            funk->makeStruktur2(TGrundMetoder::mappeOver(funk->Grundmappe), true, true);
        opdaterAktioner();
    });
    connect(aTilbage, &QAction::triggered, this, [this] { ButtonPrevMappe->click(); });
    connect(aFrem, &QAction::triggered, this, [this] { ButtonNextMappe->click(); });

    connect(aRename, &QAction::triggered, this, [this] {
        funk->AktiveStruktur = 2;
        funk->editSelected();
    });
    connect(Agofile, &QAction::triggered, this, [this] { OpenFil(funk->Filnavn, false); });
    connect(aRediger, &QAction::triggered, this, [this] { OpenFil(funk->Filnavn, true); });
    connect(aRedigerDokument, &QAction::triggered, this,
            [this] { m_platform.shellExecute("open", Stinavn::bytes(funk->Filnavn), "", ""); });
    connect(aVisBillede, &QAction::triggered, this, &Topenfilform::aVisBilledeExecute);
    connect(aOpenAktuelleMappe, &QAction::triggered, this,
            [this] { m_platform.shellExecute("open", Stinavn::bytes(funk->Grundmappe), "", ""); });
    lavInfoAktioner();
}

void Topenfilform::opdaterAktioner()
{
    // In the recycle bin an item is put back or deleted for good; nothing is made, named or opened.
    const bool kurv = funk->papirkurvVises();
    const bool fil = !funk->Filnavn.isEmpty() && !kurv;
    const int valgte = openbox->antalValgte();
    aCopy->setEnabled(mayCopy && !kurv);
    for (QAction* a : {aKlip, aDelete, aRename})
        a->setEnabled(mayDoIt && !kurv);
    aDeletePermanent->setEnabled(kurv ? valgte > 0 : mayDoIt);
    aGendan->setEnabled(kurv && valgte > 0);
    aGendan->setVisible(kurv);
    for (QAction* a : {Agofile, aRediger, aRedigerDokument, aVisBillede, aHTMLfilmliste,
                       aHTMLmusikliste, aHTMLbilledliste})
        a->setEnabled(fil);
    insertButton->setEnabled(!kurv);
    aNyMappe->setEnabled(!kurv);
    aEleEgenskaber->setEnabled(valgte > 0 && !kurv);
    aDrevinfo->setEnabled(true);
    aOpenAktuelleMappe->setEnabled(!funk->Grundmappe.isEmpty() && !kurv);
    aPaste->setEnabled((!funk->CopyListe1().isEmpty() || !funk->CopyListe2().isEmpty()) && !kurv);
    aFortryd->setEnabled(!funk->fortrydelser().tom());
    aFortryd->setText(funk->fortrydelser().caption());
    aMarkerAlt->setEnabled(valgte != openbox->antal());
    aMarkerIngen->setEnabled(valgte > 0);
    aMarkerInvers->setEnabled(openbox->antal() > 0);
    aMappeOp->setEnabled(!funk->Grundmappe.isEmpty() &&
                         TGrundMetoder::mappeOver(funk->Grundmappe) != funk->Grundmappe);
    aTilbage->setEnabled(funk->kanGaaTilbage());
    aFrem->setEnabled(funk->kanGaaFrem());
    ButtonFirstMappe->setEnabled(funk->kanGaaTilbage());
    ButtonPrevMappe->setEnabled(funk->kanGaaTilbage());
    ButtonNextMappe->setEnabled(funk->kanGaaFrem());
    ButtonLastMappe->setEnabled(funk->kanGaaFrem());
    opdaterKnap->setEnabled(!funk->Grundmappe.isEmpty() || kurv);
}

namespace {

QToolButton* knap(QWidget* ejer, const char* navn, const QString& hint)
{
    auto* k = new QToolButton(ejer);
    k->setObjectName(QLatin1String(navn));
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setAccessibleName(hint);
    k->setAutoRaise(true);
    return k;
}

QToolBar* lilleToolBar(const char* navn, std::initializer_list<QAction*> aktioner)
{
    auto* bar = new QToolBar;
    bar->setObjectName(QLatin1String(navn));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* a : aktioner)
        bar->addAction(a);
    return bar;
}

QLabel* overskrift(const QString& tekst)
{
    auto* l = new QLabel(tekst);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setContentsMargins(4, 6, 4, 0);
    return l;
}

} // namespace

QWidget* Topenfilform::lavToolBar2()
{
    ToolBar2 = new QToolBar(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setIconSize(QSize(16, 16));
    infoKnap = knap(ToolBar2, "infoKnap", QStringLiteral("Information: Filboksen"));
    infoKnap->setMenu(PUinfo);
    infoKnap->setPopupMode(QToolButton::MenuButtonPopup);
    connect(infoKnap, &QToolButton::clicked, this,
            [this] { m_hub.HelpInfo(QStringLiteral("Filboksen")); });
    drevKnap = knap(ToolBar2, "drevKnap", QStringLiteral("Vælg drev"));
    drevKnap->setMenu(PUdrevene);
    drevKnap->setPopupMode(QToolButton::InstantPopup);
    ToolButton3 = knap(ToolBar2, "ToolButton3", QStringLiteral("Private og delte mapper"));
    ToolButton3->setMenu(PUkendte);
    ToolButton3->setPopupMode(QToolButton::InstantPopup);
    for (QToolButton* k : {drevKnap, ToolButton3})
        Tilgaengelighed::menuknap(k);
    opdaterKnap =
        knap(ToolBar2, "opdaterKnap", QStringLiteral("Opdater strukturen til aktuelle struktur"));
    ButtonFirstMappe = knap(ToolBar2, "ButtonFirstMappe", QStringLiteral("Gå til første mappe"));
    ButtonPrevMappe = knap(ToolBar2, "ButtonPrevMappe", QStringLiteral("Gå til foregående mappe"));
    ButtonNextMappe = knap(ToolBar2, "ButtonNextMappe", QStringLiteral("Gå til næste mappe"));
    ButtonLastMappe = knap(ToolBar2, "ButtonLastMappe", QStringLiteral("Gå til sidste mappe"));
    for (QToolButton* k : {infoKnap, drevKnap, ToolButton3})
        ToolBar2->addWidget(k);
    ToolBar2->addSeparator();
    ToolBar2->addWidget(opdaterKnap);
    ToolBar2->addSeparator();
    for (QToolButton* k : {ButtonFirstMappe, ButtonPrevMappe, ButtonNextMappe, ButtonLastMappe})
        ToolBar2->addWidget(k);

    connect(opdaterKnap, &QToolButton::clicked, this, [this] {
        // A folder deleted meanwhile is said to be gone, and the nearest one above it is shown.
        if (funk->papirkurvVises() || funk->erMappe(funk->Grundmappe))
            funk->visIgen();
        else
            funk->reloadStrukturer();
        opdaterAktioner();
    });
    const auto historik = [this](QToolButton* k, std::function<void(TMakeStrukturer&)> gaa) {
        connect(k, &QToolButton::clicked, this, [this, gaa] {
            gaa(*funk);
            opdaterAktioner();
        });
    };
    historik(ButtonFirstMappe, [](TMakeStrukturer& f) { f.mappeFirst(); });
    historik(ButtonPrevMappe, [](TMakeStrukturer& f) { f.mappeTilbage(); });
    historik(ButtonNextMappe, [](TMakeStrukturer& f) { f.mappeFrem(); });
    historik(ButtonLastMappe, [](TMakeStrukturer& f) { f.mappeLast(); });
    return ToolBar2;
}

QWidget* Topenfilform::lavLeftPanel()
{
    leftPanel = new QWidget(this);
    leftPanel->setObjectName(QStringLiteral("leftPanel"));
    leftPanel->setAutoFillBackground(true);
    leftPanel->setBackgroundRole(QPalette::AlternateBase);
    insertButton = knap(leftPanel, "insertButton",
                        QStringLiteral("Vælg en fil og indsæt den i aktive gruppe"));
    insertButton->setText(QStringLiteral("Indsæt"));
    insertButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(insertButton, &QToolButton::clicked, this, &Topenfilform::insertButtonClick);

    auto* lag = new QVBoxLayout(leftPanel);
    lag->setContentsMargins(2, 0, 2, 4);
    lag->setSpacing(0);
    lag->addWidget(overskrift(QStringLiteral("Funktioner")));
    lag->addWidget(lilleToolBar("ToolBar8", {Agofile, aRediger, aVisBillede}));
    lag->addWidget(overskrift(QStringLiteral("Filboks funktioner")));
    lag->addWidget(lilleToolBar("ToolBar5", {aCopy, aKlip, aPaste, aFortryd}));
    lag->addWidget(lilleToolBar("ToolBar6", {aDelete, aRename, aDeletePermanent}));
    lag->addWidget(lilleToolBar("ToolBar7", {aMarkerAlt, aMarkerIngen, aMarkerInvers}));
    QToolBar* bar9 = lilleToolBar("ToolBar9", {aNyMappe});
    bar9->addWidget(insertButton);
    lag->addWidget(bar9);
    lag->addWidget(overskrift(QStringLiteral("Det kreative")));
    lag->addWidget(lilleToolBar("ToolBar4", {aHTMLfilmliste, aHTMLmusikliste, aHTMLbilledliste}));
    lag->addStretch(1);
    return leftPanel;
}

void Topenfilform::makeDrevTekstMenu(QMenu* PUdrevene, TMakeStrukturer& funk,
                                     const QList<QIcon>& AImageDirliste)
{
    PUdrevene->clear();
    for (const TMakeStrukturer::Drevpunkt& p : funk.drevpunkter()) {
        QString tekst = p.caption;
        QAction* punkt = PUdrevene->addAction(AImageDirliste.value(p.billede),
                                              tekst.replace(u'&', QStringLiteral("&&")));
        // The short form goes with the item, so brackets in a label cannot change it.
        connect(punkt, &QAction::triggered, &funk,
                [&funk, kortform = p.kortform] { funk.makeStruktur2(kortform, false, true); });
    }
}

void Topenfilform::lavMenuer()
{
    PUfilbox = new QMenu(this);
    PUfilbox->setObjectName(QStringLiteral("PUfilbox"));
    PUfilbox->addActions({aCopy, aKlip, aPaste});
    PUfilbox->addSeparator();
    PUfilbox->addAction(aFortryd);
    PUfilbox->addSeparator();
    PUfilbox->addActions({aGendan, aDelete, aRename, aDeletePermanent});
    PUfilbox->addSeparator();
    PUfilbox->addActions({aMarkerAlt, aMarkerIngen, aMarkerInvers});
    PUfilbox->addSeparator();
    PUfilbox->addAction(aEmptyRB);

    PUinfo = new QMenu(this);
    PUinfo->setObjectName(QStringLiteral("PUinfo"));
    PUinfo->addActions({aDrevinfo, aEleEgenskaber});
    PUinfo->addSeparator();
    PUinfo->addAction(aOpenAktuelleMappe);

    PUdrevene = new QMenu(this);
    PUdrevene->setObjectName(QStringLiteral("PUdrevene"));
    connect(PUdrevene, &QMenu::aboutToShow, this,
            [this] { makeDrevTekstMenu(PUdrevene, *funk, m_drevBilleder); });

    PUkendte = new QMenu(this);
    PUkendte->setObjectName(QStringLiteral("PUkendte"));
    MReopendir = PUkendte->addMenu(QStringLiteral("Seneste mapper"));
    MReopendir->setObjectName(QStringLiteral("MReopendir"));
    mDir = MReopendir->addAction(QStringLiteral("Mapper"));
    mDir->setEnabled(false);
    MReopendir->addSeparator();
    connect(MReopendir, &QMenu::aboutToShow, this, &Topenfilform::MReopendirClick);
    mInsertInSenesteMapper = PUkendte->addAction(QStringLiteral("Indsæt i Seneste mapper"));
    mInsertInSenesteMapper->setStatusTip(QStringLiteral("Indsæt aktuelle mappe i Seneste mapper"));
    connect(mInsertInSenesteMapper, &QAction::triggered, this,
            &Topenfilform::mInsertInSenesteMapperClick);
    // Each item names its folder by its caption, the shared ones under "Delte mapper/";
    // "Favoritter" holds the user's favourite places.
    const QStringList grupper[] = {
        {QStringLiteral("OneDrive"), QStringLiteral("Skrivebord")},
        {QStringLiteral("Dokumenter"), QStringLiteral("Billeder"), QStringLiteral("Musik"),
         QStringLiteral("Videoer")},
        {QStringLiteral("Favoritter"), QStringLiteral("Kontakter"), QStringLiteral("Overførsler")},
        {QStringLiteral("Startmenu"), QStringLiteral("AppData")}};
    for (const QStringList& gruppe : grupper) {
        PUkendte->addSeparator();
        for (const QString& punkt : gruppe) {
            if (punkt == QStringLiteral("Favoritter")) {
                smFavoritter = PUkendte->addMenu(punkt);
                smFavoritter->setObjectName(QStringLiteral("smFavoritter"));
                connect(smFavoritter, &QMenu::aboutToShow, this, &Topenfilform::smFavoritterPopup);
            } else {
                PUkendte->addAction(punkt, this, [this, punkt] { visSpecialmappe(punkt); });
            }
        }
    }
    PUkendte->addSeparator();
    QMenu* delte = PUkendte->addMenu(QStringLiteral("Delte mapper"));
    delte->setObjectName(QStringLiteral("delteMapper"));
    for (const QString& punkt : {QStringLiteral("Dokumenter"), QStringLiteral("Billeder"),
                                 QStringLiteral("Musik"), QStringLiteral("Videoer")})
        delte->addAction(punkt, this, [this, punkt] {
            visSpecialmappe(QStringLiteral("Delte mapper/") + punkt);
        });
    PUkendte->addSeparator();
    PUkendte->addAction(QStringLiteral("Papirkurv"), this, &Topenfilform::visPapirkurv)
        ->setStatusTip(QStringLiteral("Vis elementerne i papirkurven"));
}

void Topenfilform::setBilleder(bool moerk)
{
    for (const auto& [a, navn] : std::as_const(m_billeder))
        a->setIcon(Filboksbilleder::knap(navn, moerk));
    if (m_kopieringsform)
        m_kopieringsform->setMoerk(moerk);
    insertButton->setIcon(Filboksbilleder::knap(QStringLiteral("tilgruppe"), moerk));
    if (m_filinfoform)
        m_filinfoform->setBilleder(moerk);
    const std::pair<QToolButton*, const char*> knapper[] = {{infoKnap, "info"},
                                                            {drevKnap, "drev"},
                                                            {ToolButton3, "kendte"},
                                                            {opdaterKnap, "opdater"},
                                                            {ButtonFirstMappe, "foerste"},
                                                            {ButtonPrevMappe, "forrige"},
                                                            {ButtonNextMappe, "naeste"},
                                                            {ButtonLastMappe, "sidste"}};
    for (const auto& [k, navn] : knapper)
        k->setIcon(Filboksbilleder::knap(QLatin1String(navn), moerk));
    openbox->setBilleder(Filboksbilleder::ImageFilliste(moerk));
    m_drevBilleder = Filboksbilleder::AImageDirliste(moerk);
    m_mapperBilleder = Filboksbilleder::ImageListMapper(moerk);
    const QList<QAction*> punkter = PUkendte->actions();
    // The folder menu's items in their order, separators skipped, by their picture places.
    int billede = 1;
    for (QAction* p : punkter)
        if (!p->isSeparator())
            p->setIcon(m_mapperBilleder.value(billede++));
    // The shared ones as their private kin.
    const QList<QAction*> delte =
        PUkendte->findChild<QMenu*>(QStringLiteral("delteMapper"))->actions();
    for (int i = 0; i < delte.size(); ++i)
        delte.at(i)->setIcon(m_mapperBilleder.value(5 + i));
}
