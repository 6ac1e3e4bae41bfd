// The file box's clicks and keys, special folders and recent folders.
#include "Beskeder.h"
#include "Filboksbilleder.h"
#include "Filliste.h"
#include "functions/Handlinger.h"
#include "functions/Stinavn.h"
#include "main.h"
#include "opentekstfil.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

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
    if ((watched == openbox->viewport() || watched == stiboxen) && traekFilter(watched, event))
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

void Topenfilform::openboxClick()
{
    funk->AktiveStruktur = 2;
    funk->infoStruktur2();
    beregnTilladelser();
}

void Topenfilform::openboxDblClick()
{
    funk->AktiveStruktur = 2;
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
    TReopenFiler& reopen = m_hub.ReopenDir;
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
    m_hub.ReopenDir.InsertItem(funk->Grundmappe, Tmainform::GetBibliotek(funk->Grundmappe));
}

void Topenfilform::visSpecialmappe(const QString& punkt)
{
    struct Maal
    {
        TMapper::Opslag opslag;
        bool record;
        bool reload;
    };
    const auto skal = [](TMapper::Opslag o, bool record, bool reload) {
        return Maal{std::move(o), record, reload};
    };
    const auto fast = [](const QString& mappe, bool record, bool reload) {
        return Maal{{mappe, {}}, record, reload};
    };
    const QString& bruger = funk->Brugernavn;
    Maal m;
    if (punkt == QLatin1String("OneDrive")) {
        const QString mappe =
            Stinavn::tekst(m_platform.specialFolder(Platform::SpecialFolder::OneDrive));
        m = skal({mappe, mappe.isEmpty() ? QStringLiteral("Mappen blev ikke fundet.") : QString()},
                 true, true);
    } else if (punkt == QLatin1String("Skrivebord")) {
        m = skal(funk->GetMyDesktop(), false, true);
    } else if (punkt == QLatin1String("Dokumenter")) {
        m = skal(funk->GetMyDocuments(), true, true);
    } else if (punkt == QLatin1String("Billeder")) {
        m = skal(funk->GetMyPictures(), false, true);
    } else if (punkt == QLatin1String("Musik")) {
        m = skal(funk->GetMyMusic(), false, true);
    } else if (punkt == QLatin1String("Videoer")) {
        m = skal(funk->GetMyVideo(), false, true);
    } else if (punkt == QLatin1String("Favoritter")) {
        m = skal(funk->GetMyFavorit(), true, false);
    } else if (punkt == QLatin1String("Kontakter")) {
        m = fast(funk->GetMyKontakter(bruger), true, false);
    } else if (punkt == QLatin1String("Overførsler")) {
        m = fast(funk->GetMyDownLoad(bruger), true, false);
    } else if (punkt == QLatin1String("Startmenu")) {
        m = skal(funk->GetStartMenuPrograms(), true, false);
    } else if (punkt == QLatin1String("AppData")) {
        m = skal(funk->GetMyApp(), true, false);
    } else if (punkt == QLatin1String("Delte mapper/Dokumenter")) {
        m = skal(funk->GetCommonDocuments(), false, true);
    } else if (punkt == QLatin1String("Delte mapper/Billeder")) {
        m = skal(funk->GetCommonPictures(), false, true);
    } else if (punkt == QLatin1String("Delte mapper/Musik")) {
        m = skal(funk->GetCommonMusic(), false, true);
    } else if (punkt == QLatin1String("Delte mapper/Videoer")) {
        m = skal(funk->GetCommonVideo(), false, true);
    } else {
        return;
    }
    if (!m.opslag.fejl.isEmpty()) {
        m_hub.beskeder().besked(m.opslag.fejl);
        return;
    }
    funk->AktiveStruktur = 2;
    funk->makeStruktur2(m.opslag.mappe, m.record, m.reload);
}
