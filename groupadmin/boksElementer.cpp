// The pages "Indfør element" and "Fjern eller rediger element".
#include "boks.h"

#include "Afkrydsning.h"
#include "Beskeder.h"
#include "Grupper.h"
#include "Hub.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

namespace {

const QString mangler = QStringLiteral("Der mangler et gruppenavn!");

} // namespace

void Tboksform::filnavnKnapClick()
{
    if (m_hub.grupperne().gruppenavn.isEmpty()) {
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
    m_hub.PutInIkonliste(fil, true);
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
    Grupper& g = m_hub.grupperne();
    Beskeder& b = m_hub.beskeder();
    if (g.gruppenavn.isEmpty()) {
        b.besked(mangler);
        return;
    }
    if (afkrydsning->rowCount() == 0) {
        b.besked(QStringLiteral("Der er ikke indført nogen elementer i gruppen:\r") + g.gruppenavn);
        return;
    }
    const QList<int> valgte = afkrydsning->afkrydsede();
    int fjernede = 0;
    for (int i : valgte) {
        const QString tekst = elementtekst(i);
        programBoks->setCurrentIndex(afkrydsning->index(i, 0));
        nytekstEdit->setText(tekst);
        if (b.spoerg(QStringLiteral("Element: ") + tekst +
                     QStringLiteral("\rSkal dette element slettes?"))) {
            g.fjern(i - fjernede);
            ++fjernede;
        } else {
            afkrydsning->afkryds(i, false);
        }
    }
    if (fjernede > 0) {
        m_hub.gemAktivGruppe();
        m_hub.LoadProgramBoks(true);
    } else if (valgte.isEmpty()) {
        b.besked(QStringLiteral("Der er ikke valgt elementer til sletning."));
        return;
    }
    elementSlettet();
}

void Tboksform::nytekstKnapClick()
{
    Grupper& g = m_hub.grupperne();
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
    if (afkrydsning->rowCount() == 0) {
        nytekstEdit->clear();
        return;
    }
    const QList<int> valgte = afkrydsning->afkrydsede();
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
    const int antal = afkrydsning->rowCount();
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

int Tboksform::valgtElement() const
{
    const QModelIndex valgt = programBoks->currentIndex();
    return valgt.isValid() && programBoks->selectionModel()->isSelected(valgt) ? valgt.row() : -1;
}

QString Tboksform::elementtekst(int raekke) const
{
    return afkrydsning->index(raekke, 0).data().toString();
}

void Tboksform::programBoksClick()
{
    const int valgt = valgtElement();
    fraEdit->setText(QString::number(valgt + 1));
    if (valgt >= 0)
        nytekstEdit->setText(elementtekst(valgt));
    visParametre();
}

void Tboksform::programBoksMouseDown(const QPoint& sted)
{
    // The item pressed on is the one the view selects.
    const QModelIndex element = programBoks->indexAt(sted);
    if (!element.isValid())
        return;
    programBoks->setCursor(Qt::DragMoveCursor);
    MusNede = true;
    fraI = element.row();
    fraEdit->setText(QString::number(fraI + 1));
}

void Tboksform::programBoksMouseUp(const QPoint& sted)
{
    if (MusNede && fraI >= 0) {
        MusNede = false;
        tilI = programBoks->indexAt(sted).row();
        if (tilI >= 0) {
            MoveProgram(fraI, tilI);
            tilEdit->setText(QString::number(tilI + 1));
        }
        fraI = -1;
        tilI = -1;
    }
    programBoks->unsetCursor();
}
