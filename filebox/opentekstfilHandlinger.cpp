// The file box's copy, move, delete, rename and selection commands, and its drags and drops.
#include "Design.h"
#include "Filliste.h"
#include "Hub.h"
#include "Platform.h"
#include "Spm_FileExists.h"
#include "Spm_Kopiering.h"
#include "Stifaner.h"
#include "functions/Handlinger.h"
#include "functions/Stinavn.h"
#include "opentekstfil.h"
#include "progress.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTabBar>
#include <QUrl>

void Topenfilform::setOperationsvinduer(Tkopieringsform& kopiering, Tprogressform& progress,
                                        TfileExistsForm& fileExists)
{
    m_kopieringsform = &kopiering;
    kopiering.setMoerk(Design::erMoerk(m_hub.indstillinger().designName));
    funk->Kopieringsvindue = &kopiering;
    funk->Progressvindue = &progress;
    funk->Findesvindue = &fileExists;
}

void Topenfilform::lavHandlinger()
{

    connect(aCopy, &QAction::triggered, this, [this] {
        klipAfterCopy = false;
        HandlingsInfo(0, funk->CopyElementer());
        opdaterAktioner();
    });
    connect(aKlip, &QAction::triggered, this, [this] {
        klipAfterCopy = true;
        HandlingsInfo(1, funk->CopyElementer());
        opdaterAktioner();
    });
    connect(aPaste, &QAction::triggered, this, [this] {
        indsatInfo(funk->PasteElementer(klipAfterCopy));
        beregnTilladelser();
    });
    connect(aFortryd, &QAction::triggered, this, [this] {
        const int antal = funk->Fortryd();
        redrawStiboxen();
        beregnTilladelser();
        HandlingsInfo(6, antal, funk->antalFejlede());
    });
    const auto slet = [this](bool tilPapirkurven) {
        const int antal = funk->papirkurvVises() ? funk->SletFraPapirkurven()
                                                 : funk->DeleteElementer(tilPapirkurven);
        if (antal > 0)
            redrawStiboxen();
        beregnTilladelser();
        HandlingsInfo(4, antal, funk->antalFejlede());
    };
    connect(aDelete, &QAction::triggered, this, [slet] { slet(true); });
    connect(aDeletePermanent, &QAction::triggered, this, [slet] { slet(false); });
    connect(aGendan, &QAction::triggered, this, [this] {
        const int antal = funk->Gendan();
        beregnTilladelser();
        HandlingsInfo(7, antal, funk->antalFejlede());
    });
    connect(aNyMappe, &QAction::triggered, this,
            [this] { nyMappeErOprettet = funk->NyMappe(funk->Grundmappe); });
    const auto marker = [this](int valg) {
        funk->SelectMapperFiler(valg);
        beregnTilladelser();
    };
    connect(aMarkerAlt, &QAction::triggered, this, [marker] { marker(1); });
    connect(aMarkerIngen, &QAction::triggered, this, [marker] { marker(2); });
    connect(aMarkerInvers, &QAction::triggered, this, [marker] { marker(3); });
    connect(aEmptyRB, &QAction::triggered, this, [this] {
        funk->EmptyRecycleBin(
            true, Stinavn::tekst(m_platform.driveOf(Stinavn::bytes(funk->Grundmappe)).root));
    });

    connect(openbox, &Filliste::redigeringBegynder, this,
            [this](int i) { OldNodeTekst = openbox->noder().tekst(i); });
    connect(&openbox->noder(), &Filmodel::tekstRedigeret, this, &Topenfilform::openboxEdited);
    // Cancelled or confirmed, the edit that followed a new folder is over.
    connect(openbox->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this] { nyMappeErOprettet = false; });
    connect(openbox, &Filliste::traekStarter, this, [this] {
        funk->AktiveStruktur = 2;
        sourceDir = funk->Bibmappe;
        funk->CopyElementer();
    });
    connect(openbox, &Filliste::traekSlutter, this, [this] {
        sourceDir.clear();
        destDir.clear();
    });
    setAcceptDrops(true);
    openbox->viewport()->installEventFilter(this);
    stiboxen->setAcceptDrops(true);
    stiboxen->installEventFilter(this);
}

void Topenfilform::beregnTilladelser()
{
    mayCopy = funk->canCopy();
    mayDoIt = funk->canDoIt();
    opdaterAktioner();
}

void Topenfilform::openboxEdited(int i, const QString& tekst)
{
    funk->AktiveStruktur = 2;
    // The node takes its new name from the rename itself.
    const QString vist = funk->RenameNode(i, OldNodeTekst, tekst, nyMappeErOprettet);
    nyMappeErOprettet = false;
    HandlingsInfo(5, vist != OldNodeTekst ? 1 : 0);
}

bool Topenfilform::egetTraek(const QMimeData& traek) const
{
    return traek.hasFormat(Filmodel::egenType) && !sourceDir.isEmpty();
}

bool Topenfilform::traekFilter(QObject* watched, QEvent* event)
{
    const bool liste = watched == openbox->viewport();
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDropEvent*>(event);
        const bool eget = egetTraek(*e->mimeData());
        if (funk->optaget() || (eget && !funk->erMappe(sourceDir)) ||
            (!eget && !e->mimeData()->hasUrls())) {
            e->ignore();
        } else {
            e->setDropAction(Qt::CopyAction);
            e->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        e->setDropAction(Qt::CopyAction);
        e->accept();
        if (!egetTraek(*e->mimeData()))
            dropFraSkrivebordet(*e->mimeData());
        else if (liste)
            dropPaaListen(e->position().toPoint());
        else
            dropPaaFane(stiboxen->tabAt(e->position().toPoint()));
        return true;
    }
    default:
        return false;
    }
}

bool Topenfilform::sammeDrev() const
{
    // On one drive a drag moves, to another it copies.
    return m_platform.driveOf(Stinavn::bytes(sourceDir)).root ==
           m_platform.driveOf(Stinavn::bytes(destDir)).root;
}

void Topenfilform::dropPaaListen(const QPoint& sted)
{
    destDir = funk->getFocusFilDirectory(sted.x(), sted.y());
    klipAfterCopy = sammeDrev();
    indsatInfo(funk->PasteElementer(klipAfterCopy));
    beregnTilladelser();
}

void Topenfilform::dropPaaFane(int tab)
{
    if (tab < 0)
        return;
    funk->AktiveStruktur = 2;
    destDir = Stifaner::mappeTil(stiArray, tab);
    klipAfterCopy = sammeDrev();
    funk->makeStruktur2(destDir, false, true);
    const int antal = funk->PasteElementer(klipAfterCopy);
    indsatInfo(antal);
    if (antal == 0)
        funk->makeStruktur2(funk->OldGrundmappe, false, true);
    beregnTilladelser();
}

void Topenfilform::dropFraSkrivebordet(const QMimeData& traek)
{
    funk->InitRegister();
    int antal = 0;
    for (const QUrl& url : traek.urls())
        if (url.isLocalFile() && funk->RegisterElements(Stinavn::fraUrl(url)))
            ++antal;
    if (antal == 0)
        return;
    funk->AktiveStruktur = 2;
    indsatInfo(funk->PasteElementer(false));
    beregnTilladelser();
}

void Topenfilform::indsatInfo(int antal)
{
    // A cut pasted beside itself became a copy: the text says what was done.
    HandlingsInfo(funk->deleteAfterCopy ? 3 : 2, antal, antal == 0 ? 0 : funk->antalFejlede());
}

void Topenfilform::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !funk->optaget())
        event->acceptProposedAction();
}

void Topenfilform::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    dropFraSkrivebordet(*event->mimeData());
}
