#include "functions/Filmodel.h"

#include "functions/GrundMetoder.h"
#include "functions/Stinavn.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QMimeData>
#include <QUrl>

const QString Filmodel::egenType = QStringLiteral("application/x-tavlum-filboks");

int Filmodel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : antal();
}

QVariant Filmodel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= antal())
        return {};
    const int i = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return tekst(i);
    case Qt::DecorationRole:
        return m_billeder.value(data(index, BilledeRolle).toInt());
    case BilledeRolle:
        return ID(i) % 2 == 0 ? 1 : billedindeks(navn(i));
    case Qt::ToolTipRole:
        return Stinavn::vist(sti(i));
    default:
        return {};
    }
}

Qt::ItemFlags Filmodel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                                 Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool Filmodel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= antal())
        return false;
    emit tekstRedigeret(index.row(), value.toString());
    return true;
}

QStringList Filmodel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), egenType};
}

QMimeData* Filmodel::mimeData(const QModelIndexList& indexes) const
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QModelIndex& i : indexes)
        urls << Stinavn::url(sti(i.row()));
    data->setUrls(urls);
    data->setData(egenType, QByteArray::number(QCoreApplication::applicationPid()));
    return data;
}

void Filmodel::fyld(const QString& mappe, std::vector<Filnode> noder)
{
    beginResetModel();
    m_mappe = mappe;
    m_praefiks = mappe.endsWith(QDir::separator()) ? mappe : mappe + QDir::separator();
    m_noder = std::move(noder);
    endResetModel();
}

QString Filmodel::navn(int i) const
{
    return Stinavn::tekst(m_noder.at(static_cast<std::size_t>(i)).navn);
}

QString Filmodel::tekst(int i) const
{
    return Stinavn::vist(navn(i));
}

QString Filmodel::sti(int i) const
{
    return m_praefiks + navn(i);
}

StrukturRec Filmodel::rec(int i) const
{
    const int id = ID(i);
    if (id % 2 == 0)
        return {sti(i), QString(), id};
    return {m_mappe, sti(i), id};
}

void Filmodel::setID(int i, int ID)
{
    m_noder.at(static_cast<std::size_t>(i)).ID = ID;
}

void Filmodel::omdoeb(int i, const QString& navn)
{
    m_noder.at(static_cast<std::size_t>(i)).navn = Stinavn::bytes(navn);
    emit dataChanged(index(i), index(i));
}

void Filmodel::setBilleder(const QList<QVariant>& billeder)
{
    m_billeder = billeder;
    if (!m_noder.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
}

int Filmodel::billedindeks(const QString& filnavn)
{
    static const QHash<QString, int> tabel = [] {
        // Each extension once, so the first row of the table that names it is the one used.
        const std::pair<const char*, int> raekker[] = {
            {".rtf", 20}, {".docx", 20}, {".vbs", 21}, {".wsf", 21}, {".js", 22},  {".html", 23},
            {".asp", 23}, {".inc", 23},  {".asa", 23}, {".css", 24}, {".bat", 25}, {".ps1", 26},
            {".txt", 6},  {".xml", 6},   {".xsd", 6},  {".jpg", 3},  {".png", 3},  {".bmp", 3},
            {".ico", 3},  {".gif", 3},   {".mp3", 4},  {".m4a", 10}, {".mp4", 5},  {".m4v", 8},
            {".avi", 9},  {".mpg", 12},  {".wav", 13}, {".exe", 7},  {".lnk", 11}, {".iss", 14},
            {".pas", 18}};
        QHash<QString, int> t;
        for (const auto& [endelse, billede] : raekker)
            t.insert(QLatin1String(endelse), billede);
        return t;
    }();
    return tabel.value(TGrundMetoder::extension(filnavn).toLower(), 2);
}
