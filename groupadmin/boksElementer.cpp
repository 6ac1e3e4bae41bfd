// The pages "Indfør element" and "Fjern eller rediger element".
#include "boks.h"

#include "Beskeder.h"
#include "main.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const QString mangler = QStringLiteral("Der mangler et gruppenavn!");

} // namespace

void Tboksform::filnavnKnapClick()
{
    if (m_hub.grupper.gruppenavn.isEmpty()) {
        m_hub.beskeder().besked(mangler + QStringLiteral("\rVælg eller indfør en programgruppe"
                                                         "\runder fanen Programgrupper."));
        return;
    }
    if (const QString fil = m_hub.vaelgElementfil(); !fil.isEmpty())
        visValgtFil(fil);
}

void Tboksform::visValgtFil(const QString& fil)
{
    FilnavnEdit->setText(fil);
    m_hub.PutInIkonliste(fil, true, false);
    tekstEdit->setText(QFileInfo(fil).completeBaseName());
}

void Tboksform::insertKnapClick()
{
    Beskeder& b = m_hub.beskeder();
    if (gruppeEdit->text().isEmpty()) {
        b.besked(mangler);
        return;
    }
    if (FilnavnEdit->text().isEmpty()) {
        b.besked(QStringLiteral("Der mangler et filnavn!"));
        return;
    }
    if (tekstEdit->text().isEmpty()) {
        b.besked(QStringLiteral("Der mangler en tekst!"));
        return;
    }
    if (!QFileInfo(FilnavnEdit->text()).isFile()) {
        b.besked(QStringLiteral("Filen kunne ikke findes!"));
        return;
    }
    m_hub.insertItem(FilnavnEdit->text(), tekstEdit->text(), true);
    FilnavnEdit->clear();
    tekstEdit->clear();
    Image->clear();
}

void Tboksform::fjernKnapClick()
{
    Grupper& g = m_hub.grupper;
    Beskeder& b = m_hub.beskeder();
    if (g.gruppenavn.isEmpty()) {
        b.besked(mangler);
        return;
    }
    if (programBoks->topLevelItemCount() == 0) {
        b.besked(QStringLiteral("Der er ikke indført nogen elementer i gruppen:\r") + g.gruppenavn);
        return;
    }
    int valgte = 0, fjernede = 0;
    for (int i = 0; i < programBoks->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = programBoks->topLevelItem(i);
        if (item->checkState(0) != Qt::Checked)
            continue;
        ++valgte;
        programBoks->setCurrentItem(item);
        nytekstEdit->setText(item->text(0));
        if (b.spoerg(QStringLiteral("Element: ") + item->text(0) +
                     QStringLiteral("\rSkal dette element slettes?"))) {
            g.fjern(i - fjernede);
            ++fjernede;
        } else {
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    if (fjernede > 0) {
        m_hub.gemAktivGruppe();
        m_hub.LoadProgramBoks(true);
    } else if (valgte == 0) {
        b.besked(QStringLiteral("Der er ikke valgt elementer til sletning."));
        return;
    }
    elementSlettet();
}

void Tboksform::nytekstKnapClick()
{
    Grupper& g = m_hub.grupper;
    Beskeder& b = m_hub.beskeder();
    if (g.gruppenavn.isEmpty()) {
        b.besked(mangler);
        nytekstEdit->clear();
        return;
    }
    const QString ny = nytekstEdit->text();
    if (ny.isEmpty()) {
        b.besked(QStringLiteral("Der mangler en tekst!"));
        return;
    }
    if (programBoks->topLevelItemCount() == 0) {
        nytekstEdit->clear();
        return;
    }
    QList<int> valgte;
    for (int i = 0; i < programBoks->topLevelItemCount(); ++i)
        if (programBoks->topLevelItem(i)->checkState(0) == Qt::Checked)
            valgte.append(i);
    if (valgte.isEmpty()) {
        b.besked(QStringLiteral("Der er ikke valgt program, der skal have en ny tekst!"));
        return;
    }
    for (int i : valgte)
        if (i < g.tekstliste.size())
            g.tekstliste[i] = ny;
    m_hub.gemAktivGruppe();
    m_hub.LoadProgramBoks(true);
    nytekstEdit->clear();
}

void Tboksform::indexKnapClick()
{
    Beskeder& b = m_hub.beskeder();
    QString cifre;
    for (const QChar c : tilEdit->text())
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            cifre.append(c);
    tilEdit->setText(cifre);
    const int Fra = fraEdit->text().toInt();
    bool tal = false;
    const int Til = cifre.toInt(&tal);
    const int antal = programBoks->topLevelItemCount();
    if (tal && Fra == Til) {
        b.besked(QStringLiteral("Fra og til har samme placering!"));
        return;
    }
    // A place left over from another group is no element of this one.
    if (Fra < 1 || Fra > antal) {
        b.besked(QStringLiteral("Vælg det program, der skal flyttes!"));
        return;
    }
    if (!tal || Til > antal || Til < 1) {
        b.besked(QStringLiteral("Der er indført en ugyldig til placering!"));
        return;
    }
    MoveProgram(Fra - 1, Til - 1);
}

void Tboksform::programBoksClick()
{
    QTreeWidgetItem* item = programBoks->currentItem();
    if (item && !item->isSelected())
        item = nullptr;
    fraEdit->setText(QString::number(item ? programBoks->indexOfTopLevelItem(item) + 1 : 0));
    if (item)
        nytekstEdit->setText(item->text(0));
}

void Tboksform::programBoksMouseDown(const QPoint& sted)
{
    // The item pressed on is the one the view selects.
    QTreeWidgetItem* item = programBoks->itemAt(sted);
    if (!item)
        return;
    programBoks->setCursor(Qt::DragMoveCursor);
    MusNede = true;
    fraI = programBoks->indexOfTopLevelItem(item);
    fraEdit->setText(QString::number(fraI + 1));
}

void Tboksform::programBoksMouseUp(const QPoint& sted)
{
    if (MusNede && fraI >= 0) {
        MusNede = false;
        QTreeWidgetItem* item = programBoks->itemAt(sted);
        tilI = item ? programBoks->indexOfTopLevelItem(item) : -1;
        if (tilI >= 0) {
            MoveProgram(fraI, tilI);
            tilEdit->setText(QString::number(tilI + 1));
        }
        fraI = -1;
        tilI = -1;
    }
    programBoks->unsetCursor();
}
