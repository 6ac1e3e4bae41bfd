#include "functions/Grundfunktioner.h"

#include "Beskeder.h"
#include "Filliste.h"
#include "visBilled.h"

#include <QFileInfo>

void TGrundfunktioner::infoStruktur2()
{
    const StrukturRec* data = valgtData();
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
    const StrukturRec* data = valgtData();
    if (!data)
        return {};
    if (data->ID != 0 && data->ID != 5) {
        if (!QFileInfo(data->filnavn).isFile())
            return {};
        Filnavn = data->filnavn;
        fyrDirectoryChange();
        return Grundmappe;
    }
    if (!QFileInfo(data->mappe).isDir()) {
        reloadStrukturer();
        return Dirmappe;
    }
    // Copied first: the rebuild replaces the node that holds it.
    const QString mappe = data->mappe;
    makeStruktur2(mappe, true, true);
    return Grundmappe;
}

void TGrundfunktioner::editSelected()
{
    Filliste* trae = aktivStruktur();
    const int i = trae ? trae->valgt() : -1;
    if (i < 0) {
        beskeder.besked(QStringLiteral("Der er ikke valgt element,\rder skal omdøbes."));
        return;
    }
    const Filnode& node = trae->noder().node(i);
    if (node.data.ID > 1) {
        beskeder.besked(node.tekst + QStringLiteral("\rmå ikke omdøbes"));
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
    Billedvindue->setPanel(5, QFileInfo(Filnavn).fileName());
    Billedvindue->show();
    Billedvindue->raise();
    return true;
}
