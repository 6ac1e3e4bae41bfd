#include "Elementmodel.h"

#include "Ikonvalg.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <algorithm>
#include <numeric>

namespace {

// inotify has a limit per user; the folders of most groups are far fewer.
constexpr int hoejstMapper = 256;
// The texts measured for the widest; a longer text is nearly always a wider one.
constexpr qsizetype maalte = 32;

// An element's icon, made when the menu draws it.
class Udskudt : public QIconEngine
{
public:
    Udskudt(const Elementmodel* model, int raekke) : m_model(model), m_raekke(raekke) {}
    void paint(QPainter* maler, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        ikon().paint(maler, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return ikon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new Udskudt(m_model, m_raekke); }
    QString key() const override { return QStringLiteral("Udskudt"); }

private:
    QIcon ikon() const
    {
        return m_model && m_raekke < m_model->rowCount() ? m_model->ikon(m_raekke) : QIcon();
    }
    QPointer<const Elementmodel> m_model;
    int m_raekke;
};

// The `maalte` longest of the texts, by letters.
QStringList laengste(const QStringList& tekster)
{
    std::vector<qsizetype> raekker(static_cast<std::size_t>(tekster.size()));
    std::iota(raekker.begin(), raekker.end(), 0);
    const auto laengere = [&tekster](qsizetype a, qsizetype b) {
        return tekster.at(a).size() > tekster.at(b).size();
    };
    const auto slut = raekker.begin() + std::min<qsizetype>(maalte, tekster.size());
    std::nth_element(raekker.begin(), slut, raekker.end(), laengere);
    QStringList ud;
    for (auto it = raekker.begin(); it != slut; ++it)
        ud.append(tekster.at(*it));
    return ud;
}

} // namespace

Elementmodel::Elementmodel(const Ikonvalg& ikonvalg, QObject* parent)
    : QAbstractListModel(parent), m_ikonvalg(ikonvalg)
{
    // A copy into a folder changes it many times; it is looked at once after.
    m_tjek.setSingleShot(true);
    m_tjek.setInterval(200);
    connect(&m_tjek, &QTimer::timeout, this, &Elementmodel::tjekFiler);
    connect(&m_vagt, &QFileSystemWatcher::directoryChanged, &m_tjek, qOverload<>(&QTimer::start));
}

void Elementmodel::nulstil(const QStringList& filer, const QStringList& tekster,
                           const QStringList& grupper)
{
    m_kendte.clear();
    m_bredder.clear();
    if (const QStringList mapper = m_vagt.directories(); !mapper.isEmpty())
        m_vagt.removePaths(mapper);
    m_mapper.clear();
    skift(filer, tekster, grupper);
}

void Elementmodel::skift(const QStringList& filer, const QStringList& tekster,
                         const QStringList& grupper)
{
    beginResetModel();
    m_filer = filer;
    m_tekster = tekster;
    m_grupper = grupper;
    m_raekker.assign(static_cast<std::size_t>(filer.size()), {});
    for (qsizetype i = 0; i < filer.size(); ++i)
        if (const auto kendt = m_kendte.constFind(filer.at(i)); kendt != m_kendte.cend())
            m_raekker[static_cast<std::size_t>(i)] = *kendt;
    m_bredesteSkrift.clear();
    endResetModel();
}

void Elementmodel::tilfoej(const QString& fil, const QString& tekst)
{
    const int raekke = rowCount();
    beginInsertRows({}, raekke, raekke);
    m_filer.append(fil);
    m_tekster.append(tekst);
    if (!m_grupper.isEmpty())
        m_grupper.append(QString());
    m_raekker.emplace_back();
    m_bredesteSkrift.clear();
    endInsertRows();
}

int Elementmodel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_filer.size());
}

const Elementmodel::Raekke& Elementmodel::lav(int raekke) const
{
    Raekke& r = m_raekker[static_cast<std::size_t>(raekke)];
    if (r.lavet)
        return r;
    const Ikonvalg::Resultat valgt = m_ikonvalg.lav(m_filer.at(raekke));
    r = {true, valgt.udfald != Ikonvalg::Udfald::Mangler, valgt.ikon};
    m_kendte.insert(m_filer.at(raekke), r);
    const QString mappe = QFileInfo(m_filer.at(raekke)).absolutePath();
    if (m_mapper.size() < hoejstMapper && !m_mapper.contains(mappe)) {
        m_mapper.insert(mappe);
        m_vagt.addPath(mappe);
    }
    return r;
}

QIcon Elementmodel::ikon(int raekke) const
{
    return lav(raekke).ikon;
}

bool Elementmodel::findes(int raekke) const
{
    return lav(raekke).findes;
}

QIcon Elementmodel::udskudtIkon(int raekke) const
{
    return QIcon(new Udskudt(this, raekke));
}

QVariant Elementmodel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int i = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return m_tekster.at(i);
    case Qt::DecorationRole:
        return ikon(i);
    case Qt::ToolTipRole: {
        const QString hint =
            findes(i) ? m_tekster.at(i) : QStringLiteral("Filen findes ikke: ") + m_filer.at(i);
        const QString gruppe = m_grupper.value(i);
        return gruppe.isEmpty() ? hint : hint + QStringLiteral("\nGruppe: ") + gruppe;
    }
    case Qt::ForegroundRole:
        if (!findes(i))
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        break;
    case StiRolle:
        return m_filer.at(i);
    default:
        break;
    }
    return {};
}

QVariant Elementmodel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QStringLiteral("Elementer");
    return QAbstractListModel::headerData(section, orientation, role);
}

QString Elementmodel::bredesteTekst(const QFontMetrics& maal) const
{
    const QString skrift =
        QString::number(maal.height()) + u'/' + QString::number(maal.averageCharWidth());
    if (m_bredesteSkrift == skrift)
        return m_bredeste;
    if (m_bredderSkrift != skrift) {
        m_bredder.clear();
        m_bredderSkrift = skrift;
    }
    int bredest = -1;
    m_bredeste.clear();
    for (const QString& tekst : laengsteTekster()) {
        auto bredde = m_bredder.constFind(tekst);
        if (bredde == m_bredder.cend())
            bredde = m_bredder.insert(tekst, maal.horizontalAdvance(tekst));
        if (const int b = *bredde; b > bredest) {
            bredest = b;
            m_bredeste = tekst;
        }
    }
    m_bredesteSkrift = skrift;
    return m_bredeste;
}

QStringList Elementmodel::laengsteTekster() const
{
    return laengste(m_tekster);
}

QStringList Elementmodel::laengsteOrd() const
{
    QStringList ord;
    for (const QString& tekst : m_tekster)
        ord += tekst.split(u' ', Qt::SkipEmptyParts);
    return laengste(ord);
}

void Elementmodel::tjekFiler()
{
    // Every row made is known by its file, so each file is looked at once and
    // a made row whose file is no longer known has changed.
    for (auto it = m_kendte.begin(); it != m_kendte.end();)
        it = QFileInfo(it.key()).isFile() == it->findes ? std::next(it) : m_kendte.erase(it);
    int foerste = -1, sidste = -1;
    for (int i = 0; i < rowCount(); ++i) {
        Raekke& r = m_raekker[static_cast<std::size_t>(i)];
        if (!r.lavet || m_kendte.contains(m_filer.at(i)))
            continue;
        r.lavet = false;
        if (foerste < 0)
            foerste = i;
        sidste = i;
    }
    if (foerste >= 0)
        emit dataChanged(index(foerste), index(sidste));
}
