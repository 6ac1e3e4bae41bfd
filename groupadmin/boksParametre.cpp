// An element's parameters and start folder, and the lists read again after a restore.
#include "boks.h"

#include "Beskeder.h"
#include "Boksdele.h"
#include "Grupper.h"
#include "Hub.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

void Tboksform::visParametre()
{
    const Grupper& g = m_hub.grupperne();
    const int valgt = valgtElement();
    const bool element = valgt >= 0 && valgt < g.programliste.size();
    parametreEdit->setText(element ? g.parametre(valgt) : QString());
    startmappeEdit->setText(element ? g.startmappe(valgt) : QString());
    for (QWidget* w : std::initializer_list<QWidget*>{parametreEdit, startmappeEdit,
                                                      startmappeKnap, parametreKnap})
        w->setEnabled(element);
}

void Tboksform::parametreKnapClick()
{
    Grupper& g = m_hub.grupperne();
    Beskeder& b = m_hub.beskeder();
    if (g.gruppenavn.isEmpty()) {
        b.besked(QStringLiteral("Der mangler et gruppenavn!"));
        return;
    }
    const int valgt = valgtElement();
    if (valgt < 0 || valgt >= g.programliste.size()) {
        b.besked(QStringLiteral("Vælg det element, der skal have parametre!"));
        return;
    }
    const QString mappe = startmappeEdit->text().trimmed();
    if (!mappe.isEmpty() && !QFileInfo(mappe).isDir()) {
        b.besked(QStringLiteral("Startmappen blev ikke fundet!\r") + mappe);
        return;
    }
    if (!g.saetParametre(valgt, parametreEdit->text(), mappe)) {
        b.besked(QStringLiteral("Gruppen %1 kan ikke have parametre,\rfordi gruppen %1parametre "
                                "har en fil med samme navn.")
                     .arg(g.gruppenavn));
        return;
    }
    if (m_hub.gemAktivGruppe())
        infoBar->showMessage(QStringLiteral("Parametre og startmappe er gemt for ") +
                             elementtekst(valgt) + u'.');
    visParametre();
}

void Tboksform::startmappeKnapClick()
{
    const QString start = startmappeEdit->text().isEmpty()
                              ? QFileInfo(m_hub.grupperne().programliste.value(valgtElement()))
                                    .absolutePath()
                              : startmappeEdit->text();
    const QString mappe =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Vælg startmappe"), start);
    if (!mappe.isEmpty())
        startmappeEdit->setText(QDir::toNativeSeparators(mappe));
}

void Tboksform::genfyldLister()
{
    const Grupper& g = m_hub.grupperne();
    fyldGruppeBoks();
    fyld(Box, g.gruppeliste);
    fyld(lagerBox, g.lagerliste);
    listerModified = false;
    opdaterLager();
    visParametre();
}
