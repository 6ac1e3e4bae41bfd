#include "functions/Grundfunktioner.h"

#include "Beskeder.h"

#include "functions/Stinavn.h"

void TGrundfunktioner::infoStruktur2()
{
    const std::optional<StrukturRec> data = valgtData();
    if (!data) {
        Bibmappe = Grundmappe;
        Filnavn.clear();
    } else if (IsSelectedDirectory()) {
        Filnavn.clear();
        Bibmappe = m_autovalg ? Grundmappe : data->mappe;
    } else {
        Bibmappe = Grundmappe;
        Filnavn = data->filnavn;
    }
    fyrDirectoryChange();
}

QString TGrundfunktioner::udfoldFilDirectory()
{
    const std::optional<StrukturRec> data = valgtData();
    if (!data)
        return {};
    if (data->ID != 0 && data->ID != 5) {
        if (!erFil(data->filnavn))
            return {};
        Filnavn = data->filnavn;
        fyrDirectoryChange();
        return Grundmappe;
    }
    if (!erMappe(data->mappe)) {
        reloadStrukturer();
        return Dirmappe;
    }
    makeStruktur2(data->mappe, true, true);
    return Grundmappe;
}

void TGrundfunktioner::editSelected()
{
    Listevalg* trae = aktivStruktur();
    const int i = trae ? trae->valgt() : -1;
    if (i < 0) {
        beskeder.besked(QStringLiteral("Der er ikke valgt element,\rder skal omdøbes."));
        return;
    }
    if (noder().ID(i) > 1) {
        beskeder.besked(noder().tekst(i) + QStringLiteral("\rmå ikke omdøbes"));
        return;
    }
    trae->redigerTekst(i);
}

bool TGrundfunktioner::LoadPicture(const QString& fName)
{
    if (!Billedvindue || !Billedvindue->hentBillede(fName))
        return false;
    const QSize str = Billedvindue->billedstoerrelse();
    Billedvindue->setPanel(1, QString::number(str.width()));
    Billedvindue->setPanel(3, QString::number(str.height()));
    Billedvindue->setPanel(5, Stinavn::vist(getLastDirectory(Filnavn)));
    Billedvindue->vis();
    return true;
}

void TGrundfunktioner::filtrer(const QString& tekst)
{
    if (!Struktur2)
        return;
    noder().setFilter(tekst);
    // A selection hidden by the filter must not be what a command acts on.
    Struktur2->vaelg(-1);
    infoStruktur2();
}

QString TGrundfunktioner::filterstatus() const
{
    const Filmodel& n = noder();
    if (!Struktur2 || n.filter().isEmpty())
        return {};
    return QStringLiteral("Viser %1 af %2 %3.")
        .arg(n.antal())
        .arg(n.antalAlle())
        .arg(n.antalAlle() == 1 ? QStringLiteral("element") : QStringLiteral("elementer"));
}
