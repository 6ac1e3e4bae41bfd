// The file box's clicks and keys, special folders and recent folders.
#include "Beskeder.h"
#include "Filboksbilleder.h"
#include "Filliste.h"
#include "Hub.h"
#include "MenuFiler.h"
#include "functions/Handlinger.h"
#include "functions/Stinavn.h"
#include "opentekstfil.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

QAction* Topenfilform::egenGenvej(QEvent* event) const
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return nullptr;
    // A name being typed keeps its own keys.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return nullptr;
    const QKeySequence tast(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* a : actions())
        if (a->isEnabled() && a->shortcuts().contains(tast))
            return a;
    return nullptr;
}

bool Topenfilform::egenTast(QEvent* event)
{
    // The main window's keys reach every window; here the file box's own of
    // the same keys (Ctrl+A, Ctrl+M) win, instead of cancelling each other.
    QAction* a = egenGenvej(event);
    if (!a)
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress)
        a->trigger();
    return true;
}

bool Topenfilform::event(QEvent* event)
{
    return egenTast(event) || QWidget::event(event);
}

bool Topenfilform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == openbox && egenTast(event))
        return true;
    if (filterTast(watched, event))
        return true;
    if ((watched == openbox->viewport() || watched == stiboxen) && traekFilter(watched, event))
        return true;
    if (watched == stiboxen && stifaneTast(event))
        return true;
    if (watched == stiboxen && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && aMarkerIngen->isEnabled())
        aMarkerIngen->trigger();
    // Enter in a name being edited ends the edit and comes here too: it must not open the entry.
    if (watched == openbox && event->type() == QEvent::KeyPress && !openbox->redigerer()) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            openboxDblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Topenfilform::stifaneTast(QEvent* event)
{
    // The tab bar would move its highlight by itself and leave the folder shown behind.
    if (event->type() == QEvent::Wheel)
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    const int tast = static_cast<QKeyEvent*>(event)->key();
    if (tast != Qt::Key_Left && tast != Qt::Key_Right)
        return false;
    const bool frem = (tast == Qt::Key_Right) != (stiboxen->layoutDirection() == Qt::RightToLeft);
    const int tab = stiboxen->currentIndex() + (frem ? 1 : -1);
    if (tab >= 0 && tab < stiboxen->count())
        stiboxenChange(tab);
    return true;
}

void Topenfilform::openboxClick()
{
    funk->AktiveStruktur = 2;
    funk->infoStruktur2();
    beregnTilladelser();
}

void Topenfilform::openboxDblClick()
{
    funk->AktiveStruktur = 2;
    // What lies in the bin is not opened there.
    if (funk->papirkurvVises())
        return;
    if (!funk->Filnavn.isEmpty())
        aRedigerDokument->trigger();
    else
        funk->udfoldFilDirectory();
}

void Topenfilform::openboxMouseDown(const QPoint& sted)
{
    funk->AktiveStruktur = 2;
    // The menu acts on the node under the mouse, which becomes the selected one.
    if (!funk->getFocusFilDirectory(sted.x(), sted.y()).isEmpty())
        funk->infoStruktur2();
    opdaterAktioner();
    PUfilbox->popup(openbox->viewport()->mapToGlobal(sted));
}

void Topenfilform::insertButtonClick()
{
    if (funk->erFil(funk->Filnavn))
        m_hub.insertItem(funk->Filnavn, QString(), true);
    else
        m_hub.beskeder().besked(QStringLiteral(
            "Der mangler et filnavn.\rDet skal være en fil, der er relevant for aktive gruppe!"));
}

void Topenfilform::aVisBilledeExecute()
{
    if (THandlinger::erDetEnBilledfil(THandlinger::extension(funk->Filnavn)))
        funk->LoadPicture(funk->Filnavn);
    else
        m_hub.beskeder().besked(QStringLiteral("Filtypen kan ikke vises."));
}

void Topenfilform::MReopendirClick()
{
    TReopenFiler& reopen = m_hub.senesteMapper();
    reopen.MainItem = MReopendir;
    if (reopen.Antal() == 0) {
        mDir->setText(QStringLiteral("Ingen mapper"));
        return;
    }
    mDir->setText(QStringLiteral("Mapper"));
    reopen.Billeder = m_mapperBilleder;
    reopen.MakeMenu(0);
}

void Topenfilform::mInsertInSenesteMapperClick()
{
    m_hub.senesteMapper().InsertItem(funk->Grundmappe,
                                     TReopenFiler::GetBibliotek(funk->Grundmappe));
}

void Topenfilform::visSpecialmappe(const QString& punkt)
{
    using Opslag = TMapper::Opslag;
    struct Maal
    {
        QString punkt;
        std::function<Opslag()> opslag;
        bool record;
        bool reload;
    };
    const THandlinger& f = *funk;
    const QString& bruger = funk->Brugernavn;
    const auto fast = [](const QString& mappe) { return Opslag{mappe, {}}; };
    const Maal tabel[] = {
        {QStringLiteral("OneDrive"),
         [&] {
             const QString mappe =
                 Stinavn::tekst(m_platform.specialFolder(Platform::SpecialFolder::OneDrive));
             return mappe.isEmpty() ? Opslag{{}, QStringLiteral("Mappen blev ikke fundet.")}
                                    : fast(mappe);
         },
         true, true},
        {QStringLiteral("Skrivebord"), [&] { return f.GetMyDesktop(); }, false, true},
        {QStringLiteral("Dokumenter"), [&] { return f.GetMyDocuments(); }, true, true},
        {QStringLiteral("Billeder"), [&] { return f.GetMyPictures(); }, false, true},
        {QStringLiteral("Musik"), [&] { return f.GetMyMusic(); }, false, true},
        {QStringLiteral("Videoer"), [&] { return f.GetMyVideo(); }, false, true},
        {QStringLiteral("Kontakter"), [&] { return fast(f.GetMyKontakter(bruger)); }, true, false},
        {QStringLiteral("Overførsler"), [&] { return fast(f.GetMyDownLoad(bruger)); }, true, false},
        {QStringLiteral("Startmenu"), [&] { return f.GetStartMenuPrograms(); }, true, false},
        {QStringLiteral("AppData"), [&] { return f.GetMyApp(); }, true, false},
        {QStringLiteral("Delte mapper/Dokumenter"), [&] { return f.GetCommonDocuments(); }, false,
         true},
        {QStringLiteral("Delte mapper/Billeder"), [&] { return f.GetCommonPictures(); }, false,
         true},
        {QStringLiteral("Delte mapper/Musik"), [&] { return f.GetCommonMusic(); }, false, true},
        {QStringLiteral("Delte mapper/Videoer"), [&] { return f.GetCommonVideo(); }, false, true},
    };
    const auto m = std::find_if(std::begin(tabel), std::end(tabel),
                                [&](const Maal& t) { return t.punkt == punkt; });
    if (m == std::end(tabel))
        return;
    const Opslag o = m->opslag();
    if (!o.fejl.isEmpty()) {
        m_hub.beskeder().besked(o.fejl);
        return;
    }
    funk->AktiveStruktur = 2;
    funk->makeStruktur2(o.mappe, m->record, m->reload);
}

void Topenfilform::smFavoritterPopup()
{
    smFavoritter->clear();
    const QList<TMapper::Sted> steder = funk->GetMyFavoritter();
    if (steder.isEmpty())
        smFavoritter->addAction(QStringLiteral("Ingen favoritter"))->setEnabled(false);
    for (const TMapper::Sted& s : steder) {
        QString tekst = Stinavn::vist(s.caption);
        QAction* punkt = smFavoritter->addAction(m_mapperBilleder.value(0),
                                                 tekst.replace(u'&', QStringLiteral("&&")));
        punkt->setToolTip(Stinavn::vist(s.mappe));
        const QString mappe = s.mappe;
        connect(punkt, &QAction::triggered, this, [this, mappe] {
            funk->AktiveStruktur = 2;
            funk->makeStruktur2(mappe, true, false);
        });
    }
}

QWidget* Topenfilform::lavFilter()
{
    filterFelt = new QLineEdit(this);
    filterFelt->setObjectName(QStringLiteral("filterFelt"));
    filterFelt->setAccessibleName(QStringLiteral("Filter"));
    filterFelt->setPlaceholderText(QStringLiteral("Vis kun navne, der indeholder ..."));
    filterFelt->setClearButtonEnabled(true);
    filterFelt->installEventFilter(this);
    filterFelt->hide();
    connect(filterFelt, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        funk->filtrer(tekst);
        beregnTilladelser();
        if (tekst.isEmpty())
            Info->clearMessage();
        else
            Info->showMessage(funk->filterstatus());
    });
    auto* kolonne = new QWidget(this);
    auto* lag = new QVBoxLayout(kolonne);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    lag->addWidget(openbox, 1);
    lag->addWidget(filterFelt);
    return kolonne;
}

void Topenfilform::lukFilter()
{
    filterFelt->clear();
    filterFelt->hide();
}

bool Topenfilform::filterTast(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* tast = static_cast<QKeyEvent*>(event);
    if (watched == filterFelt) {
        if (tast->key() == Qt::Key_Escape) {
            lukFilter();
            openbox->setFocus();
            return true;
        }
        if (tast->key() == Qt::Key_Down || tast->key() == Qt::Key_Up ||
            tast->key() == Qt::Key_Return || tast->key() == Qt::Key_Enter) {
            openbox->setFocus();
            if (openbox->valgt() < 0 && openbox->antal() > 0)
                openbox->vaelg(0);
            return true;
        }
        return false;
    }
    if (watched != openbox || openbox->redigerer())
        return false;
    if (tast->key() == Qt::Key_Escape && filterFelt->isVisible()) {
        lukFilter();
        return true;
    }
    const QString tekst = tast->text();
    const bool bogstav = !tekst.isEmpty() && tekst.at(0).isPrint() && !tekst.at(0).isSpace();
    if (!bogstav ||
        (tast->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    filterFelt->show();
    filterFelt->setFocus();
    filterFelt->setText(filterFelt->text() + tekst);
    return true;
}
