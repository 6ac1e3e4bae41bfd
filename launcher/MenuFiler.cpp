#include "MenuFiler.h"

#include "Linjefil.h"

#include <QFile>
#include <QFileInfo>
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
    Ropen.clear();
}

QString TReopenFiler::GetCaption(int Index) const
{
    return Index >= 0 && Index < Ropen.size() ? Ropen.at(Index).Caption : QString();
}

QString TReopenFiler::GemReopenFiler() const
{
    if (Itemfile.isEmpty())
        return {};
    QStringList linjer{QString::number(Filantal), QString::number(Antal())};
    for (const TReopenRec& r : Ropen)
        linjer << r.Caption << r.Filnavn;
    return Linjefil::gem(Itemfile, linjer);
}

void TReopenFiler::HentReopenFiler()
{
    DeleteAllItems();
    if (Itemfile.isEmpty() || !QFileInfo::exists(Itemfile))
        return;
    const QStringList linjer = Linjefil::hent(Itemfile);
    if (linjer.size() < 2) {
        Filantal = 10;
        return;
    }
    Filantal = std::max(0, Linjefil::heltal(linjer, 0, 10));
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
