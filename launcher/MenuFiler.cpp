#include "MenuFiler.h"

#include "Filvagt.h"
#include "Linjefil.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

void TReopenFiler::fjernFoersteHvor(auto&& passer)
{
    const auto it = std::find_if(Ropen.begin(), Ropen.end(), passer);
    if (it != Ropen.end())
        Ropen.erase(it);
}

void TReopenFiler::InsertItem(const QString& FNavn, const QString& MenuCaption)
{
    if (Itemtype == itFil && !QFileInfo(FNavn).isFile())
        return;
    // A name with a line break cannot be a line of the list's file.
    if (!Linjefil::linjeFejl({FNavn, MenuCaption}).isEmpty())
        return;
    if (Itemtype != itAndet)
        DeleteItem(FNavn);
    if (Filantal <= 0)
        return;
    Ropen.prepend({MenuCaption, FNavn});
    if (Ropen.size() > Filantal)
        Ropen.resize(Filantal);
}

void TReopenFiler::DeleteItem(const QString& FNavn)
{
    fjernFoersteHvor([&](const TReopenRec& r) { return r.Filnavn == FNavn; });
}

void TReopenFiler::DeleteItemByCaption(const QString& CapNavn)
{
    fjernFoersteHvor([&](const TReopenRec& r) { return r.Caption == CapNavn; });
}

void TReopenFiler::DeleteItem(int Index)
{
    if (Index >= 0 && Index < Ropen.size())
        Ropen.removeAt(Index);
}

void TReopenFiler::DeleteAllItems()
{
    if (!Ropen.isEmpty())
        fjernMenupunkter();
    Ropen.clear();
}

void TReopenFiler::fjernMenupunkter()
{
    if (!MainItem)
        return;
    const QList<QAction*> punkter = MainItem->actions();
    for (qsizetype i = std::max(0, MenuStartNr); i < punkter.size(); ++i) {
        MainItem->removeAction(punkter.at(i));
        // Later: the item may be the one whose click runs this.
        punkter.at(i)->deleteLater();
    }
}

QAction* TReopenFiler::nytPunkt(const QString& caption, const QString& hint, int billede)
{
    QString tekst = caption;
    auto* punkt =
        new QAction(Billeder.value(billede), tekst.replace(u'&', QStringLiteral("&&")), MainItem);
    punkt->setStatusTip(hint);
    punkt->setToolTip(hint);
    MainItem->addAction(punkt);
    return punkt;
}

void TReopenFiler::MakeMenu(int aImageIndex)
{
    if (!MainItem)
        return;
    fjernMenupunkter();
    if (Ropen.isEmpty())
        return;
    int i = 0;
    for (; i < Ropen.size(); ++i) {
        const TReopenRec& r = Ropen.at(i);
        if (r.Filnavn.isEmpty() && Itemtype != itAndet)
            break;
        const int billede = aImageIndex >= 0 ? aImageIndex : ImageStartNr + i;
        QAction* punkt = nytPunkt(r.Caption, r.Filnavn, billede);
        QObject::connect(punkt, &QAction::triggered, MainItem, [this, punkt] { klik(punkt); });
    }
    if (MedMenuStreg)
        MainItem->addSeparator();
    if (!DeleteItemCap.isEmpty()) {
        QAction* slet = nytPunkt(DeleteItemCap, DeleteItemHint, -1);
        QObject::connect(slet, &QAction::triggered, MainItem, [this] { DeleteAllItems(); });
    }
}

void TReopenFiler::klik(QAction* Sender)
{
    if (!MainItem)
        return;
    const int i = static_cast<int>(MainItem->actions().indexOf(Sender)) - MenuStartNr;
    if (i < 0 || i >= Ropen.size())
        return;
    TReopenRec& r = Ropen[i];
    const QFileInfo info(r.Filnavn);
    if ((Itemtype == itFil && !info.isFile()) || (Itemtype == itBibliotek && !info.isDir()))
        r = {};
    const QString filnavn = r.Filnavn;
    if (OnKlik)
        OnKlik(Sender, filnavn);
    if (Itemtype != itAndet && filnavn.isEmpty())
        fjernFoersteHvor([](const TReopenRec& e) { return e.Filnavn.isEmpty(); });
}

QString TReopenFiler::GetCaption(int Index) const
{
    return Index >= 0 && Index < Ropen.size() ? Ropen.at(Index).Caption : QString();
}

QStringList TReopenFiler::linjer() const
{
    QStringList ud{QString::number(Filantal), QString::number(Antal())};
    for (const TReopenRec& r : Ropen)
        ud << r.Caption << r.Filnavn;
    return ud;
}

QString TReopenFiler::GemReopenFiler() const
{
    if (Itemfile.isEmpty())
        return {};
    return Filvagt::gem(vagt, Itemfile, linjer());
}

void TReopenFiler::HentReopenFiler()
{
    DeleteAllItems();
    if (Itemfile.isEmpty() || !QFileInfo::exists(Itemfile))
        return;
    const QStringList linjer = Filvagt::hent(vagt, Itemfile, Linjefil::Graense::lister);
    if (linjer.size() < 2) {
        Filantal = 10;
        // An unreadable file stays as it is until the list changes.
        if (vagt)
            vagt->grundlag(Itemfile, this->linjer());
        return;
    }
    Filantal = Linjefil::heltal(linjer, 0, 10);
    if (Filantal < 0 || Filantal > hoejstFilantal)
        Filantal = 10;
    // Never more entries than announced, than kept, or than the file holds.
    const int iFilen = static_cast<int>(std::max<qsizetype>(0, (linjer.size() - 2) / 2));
    const int antal =
        std::clamp(Linjefil::heltal(linjer, 1, iFilen), 0, std::min(iFilen, Filantal));
    for (int i = 0; i < antal; ++i)
        Ropen.append({linjer.at(2 + 2 * i), linjer.at(3 + 2 * i)});
}

void TReopenFiler::DeleteItemFile()
{
    if (Itemfile.isEmpty() || !QFileInfo::exists(Itemfile))
        return;
    DeleteAllItems();
    QFile::remove(Itemfile);
    Itemfile.clear();
}

QString TReopenFiler::GetBibliotek(const QString& FNavn)
{
    if (FNavn.isEmpty())
        return {};
    QString sti = FNavn;
    // A file stands for its folder; a folder whose name holds a dot is still itself.
    if (const QFileInfo info(sti); !info.isDir() && info.fileName().contains(u'.'))
        sti = info.path();
    if (!QFileInfo(sti).isDir())
        return {};
    QString ren = QDir::fromNativeSeparators(sti);
    while (ren.size() > 1 && ren.endsWith(u'/'))
        ren.chop(1);
    if (QDir(ren).isRoot())
        return QDir::toNativeSeparators(ren);
    return ren.mid(ren.lastIndexOf(u'/') + 1);
}
