// The main window's panel: clicks, keys and drags on the elements, and launching them.
#include "main.h"

#include "Starter.h"

#include <QAction>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

bool Tmainform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->property("stripknap").isValid()) {
        // The shared list belongs to the group button pressed or focused last.
        if (const QVariant tag = watched->property("tag");
            tag.isValid() &&
            (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn ||
             event->type() == QEvent::KeyPress))
            m_dropTag = tag.toInt();
        return stripTast(static_cast<QToolButton*>(watched), event) ||
               QMainWindow::eventFilter(watched, event);
    }
    if (watched != programBoks && watched != programBoks->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            visPopupMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return true;
        }
        if (gemVentendeLager())
            return true;
        programBoksMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            programBoksMouseUp(static_cast<QMouseEvent*>(event)->position().toPoint());
            // After the view has moved its selection to the clicked item.
            QTimer::singleShot(0, this, &Tmainform::programBoksClick);
        }
        break;
    case QEvent::MouseButtonDblClick:
        programBoksDblClick();
        return true;
    case QEvent::KeyPress:
        if (const int tast = static_cast<QKeyEvent*>(event)->key();
            tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            programBoksDblClick();
            return true;
        } else if (tast == Qt::Key_Home || tast == Qt::Key_End) {
            // The view makes the first item current without selecting it when it
            // gets the focus; Home on it must still select it, so Enter starts it.
            QTimer::singleShot(0, this, [this] {
                if (const QModelIndex i = programBoks->currentIndex(); i.isValid())
                    programBoks->selectionModel()->select(i, QItemSelectionModel::Select);
            });
        }
        break;
    case QEvent::KeyRelease:
        programBoksKeyUp(static_cast<QKeyEvent*>(event)->key());
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Tmainform::gemVentendeLager() const
{
    Gruppevindue* boks = lavetBoks();
    return boks && boks->gemVentendeLager();
}

void Tmainform::programBoksKeyUp(int tast)
{
    if (gemVentendeLager())
        return;
    if (tast == Qt::Key_Delete && !soeger())
        deleteItem();
}

void Tmainform::programBoksMouseDown(const QPoint& sted)
{
    // The press has not yet moved the selection; the item under the pointer is the one dragged.
    // The results of a search are no places to move elements between.
    fraI = soeger() ? -1 : programBoks->indexAt(sted).row();
    if (fraI >= 0) {
        programBoks->viewport()->setCursor(Qt::DragMoveCursor);
        MusNede = true;
    }
}

void Tmainform::programBoksMouseUp(const QPoint& sted)
{
    if (MusNede && fraI >= 0) {
        MusNede = false;
        tilI = programBoks->indexAt(sted).row();
        if (tilI >= 0)
            m_vinduer->boks().MoveProgram(fraI, tilI);
        fraI = -1;
        tilI = -1;
    }
    programBoks->viewport()->setCursor(Qt::PointingHandCursor);
}

void Tmainform::programBoksClick()
{
    if (gemVentendeLager())
        return;
    clickIndex = valgtElement();
    if (!soeger() && clickIndex >= 0 && clickIndex < grupper.programliste.size())
        if (Gruppevindue* boks = lavetBoks())
            boks->visElementSti(grupper.programliste.at(clickIndex));
    if (ImageList.size() > 10)
        aGo->setIcon(ImageList.at(10));
    opdaterAktioner();
}

void Tmainform::programBoksDblClick()
{
    if (gemVentendeLager())
        return;
    if (soeger()) {
        startSoegevalg();
        return;
    }
    if (const int i = valgtElement(); i >= 0 && i < grupper.programliste.size())
        m_starter->executeProg(grupper.programliste.at(i), grupper.parametre(i),
                               grupper.startmappe(i));
    // Nothing stays selected, so F9 does nothing until the user selects again.
    programBoks->clearSelection();
    opdaterAktioner();
}

void Tmainform::menuClick(QAction* punkt)
{
    const int i = punkt->data().toInt();
    if (i >= 0 && i < grupper.programliste.size())
        m_starter->executeProg(grupper.programliste.at(i), grupper.parametre(i),
                               grupper.startmappe(i));
}

void Tmainform::runApplets(const QString& aFilename)
{
    m_starter->runApplets(m_mapper.appletsDir, aFilename);
}

void Tmainform::ErrorInfo(unsigned Nr)
{
    m_starter->ErrorInfo(Nr);
}
