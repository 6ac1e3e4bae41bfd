#include "functions/Filmodel.h"

#include "functions/GrundMetoder.h"
#include "Mappeindhold.h"
#include "functions/Stinavn.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QMimeData>
#include <QUrl>

const QString Filmodel::egenType = QStringLiteral("application/x-tavlum-filboks");

int Filmodel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : antal();
}

int Filmodel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : papirkurv() ? 3 : 1;
}

QVariant Filmodel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const overskrifter[] = {"Navn", "Oprindelig placering", "Slettet"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 2)
        return {};
    return QString::fromUtf8(overskrifter[section]);
}

QVariant Filmodel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= antal())
        return {};
    const int i = index.row();
    if (papirkurv() && role != BilledeRolle)
        return papirkurvData(i, index.column(), role);
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

QVariant Filmodel::papirkurvData(int i, int column, int role) const
{
    const Platform::TrashItem& t = element(i);
    const QString original = Stinavn::tekst(t.original);
    switch (role) {
    case Qt::DisplayRole:
        if (column == 1)
            return Stinavn::vist(TGrundMetoder::mappeOver(original));
        if (column == 2)
            return t.deleted < 0 ? QString()
                                 : QLocale().toString(QDateTime::fromMSecsSinceEpoch(t.deleted),
                                                      QLocale::ShortFormat);
        return tekst(i);
    case Qt::DecorationRole:
        return column == 0 ? m_billeder.value(data(index(i), BilledeRolle).toInt()) : QVariant();
    case Qt::ToolTipRole:
        return t.original.empty() ? QStringLiteral("Den oprindelige placering er ukendt.")
                                  : Stinavn::vist(original);
    default:
        return {};
    }
}

const Platform::TrashItem& Filmodel::element(int i) const
{
    const std::size_t p = plads(i);
    if (!m_laest.at(p)) {
        m_platform->readTrashInfo(m_kurv.at(p));
        m_laest[p] = true;
    }
    return m_kurv.at(p);
}

Qt::ItemFlags Filmodel::flags(const QModelIndex& index) const
{
    // In the bin an item is only chosen: put back or deleted, never renamed or dragged.
    if (index.isValid() && papirkurv())
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
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
    m_platform = nullptr;
    m_kurv.clear();
    m_laest.clear();
    if (mappe != m_mappe)
        m_filter.clear();
    m_mappe = mappe;
    m_praefiks = mappe.endsWith(QDir::separator()) ? mappe : mappe + QDir::separator();
    m_noder = std::move(noder);
    vaelgVist();
    endResetModel();
}

void Filmodel::fyldPapirkurv(std::vector<Platform::TrashItem> items, const Platform& platform)
{
    std::vector<Filnode> noder;
    noder.reserve(items.size());
    for (const Platform::TrashItem& t : items)
        noder.push_back({Mappeindhold::navnAf(t), t.folder ? 0 : 1});
    fyld(QString(), std::move(noder));
    beginResetModel();
    m_platform = &platform;
    m_kurv = std::move(items);
    m_laest.assign(m_kurv.size(), false);
    endResetModel();
}

void Filmodel::setFilter(const QString& filter)
{
    if (filter == m_filter)
        return;
    beginResetModel();
    m_filter = filter;
    vaelgVist();
    endResetModel();
}

void Filmodel::vaelgVist()
{
    m_vist.clear();
    if (m_filter.isEmpty())
        return;
    const QLocale sprog;
    const QString soeg = sprog.toLower(m_filter);
    for (std::size_t i = 0; i < m_noder.size(); ++i)
        if (sprog.toLower(Stinavn::vist(Stinavn::tekst(m_noder[i].navn))).contains(soeg))
            m_vist.push_back(i);
}

int Filmodel::antal() const
{
    return static_cast<int>(m_filter.isEmpty() ? m_noder.size() : m_vist.size());
}

std::size_t Filmodel::plads(int i) const
{
    const auto n = static_cast<std::size_t>(i);
    return m_filter.isEmpty() ? n : m_vist.at(n);
}

const Filnode& Filmodel::node(int i) const
{
    return m_noder.at(plads(i));
}

Filnode& Filmodel::node(int i)
{
    return m_noder.at(plads(i));
}

QString Filmodel::navn(int i) const
{
    // An item of the bin by its original name, once its info is read; the bin's own may differ.
    return Stinavn::tekst(papirkurv() ? Mappeindhold::navnAf(element(i)) : node(i).navn);
}

QString Filmodel::tekst(int i) const
{
    return Stinavn::vist(navn(i));
}

QString Filmodel::sti(int i) const
{
    // An item of the bin lies in the bin of its own drive.
    return papirkurv() ? Stinavn::tekst(m_kurv.at(plads(i)).id) : m_praefiks + navn(i);
}

StrukturRec Filmodel::rec(int i) const
{
    const int id = ID(i);
    if (id % 2 == 0)
        return {sti(i), QString(), id};
    return {papirkurv() ? TGrundMetoder::mappeOver(sti(i)) : m_mappe, sti(i), id};
}

void Filmodel::setID(int i, int ID)
{
    node(i).ID = ID;
}

void Filmodel::omdoeb(int i, const QString& navn)
{
    node(i).navn = Stinavn::bytes(navn);
    emit dataChanged(index(i), index(i));
}

void Filmodel::setBilleder(const QList<QVariant>& billeder)
{
    m_billeder = billeder;
    if (antal() > 0)
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
