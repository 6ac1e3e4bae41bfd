#include "Struktur.h"

#include "Filvagt.h"
#include "Linjefil.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

void samlEmner(QTreeWidgetItem* emne, QList<QTreeWidgetItem*>& alle)
{
    alle.append(emne);
    for (int i = 0; i < emne->childCount(); ++i)
        samlEmner(emne->child(i), alle);
}

int dybde(const QTreeWidgetItem* emne)
{
    int d = 0;
    for (const QTreeWidgetItem* p = emne->parent(); p; p = p->parent())
        ++d;
    return d;
}

bool erUnder(const QTreeWidgetItem* emne, const QTreeWidgetItem* over)
{
    for (const QTreeWidgetItem* p = emne->parent(); p; p = p->parent())
        if (p == over)
            return true;
    return false;
}

// A topic's text as it can stand on a line of the tree file: leading blanks
// would be read back as levels, and a line break would split the topic.
QString linjetekst(const QString& tekst)
{
    QString t = tekst;
    t.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\t'), QLatin1Char(' '));
    return t.trimmed();
}

bool begynderMedCiffer(const QString& s)
{
    return !s.isEmpty() && s.at(0) >= QLatin1Char('0') && s.at(0) <= QLatin1Char('9');
}

} // namespace

TStruktur::TStruktur(Platform& platform, std::function<void(const QString&)> fejl, QWidget* parent)
    : QTreeWidget(parent), m_platform(platform), m_fejl(std::move(fejl))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QList<QTreeWidgetItem*> TStruktur::emner() const
{
    QList<QTreeWidgetItem*> alle;
    for (int i = 0; i < topLevelItemCount(); ++i)
        samlEmner(topLevelItem(i), alle);
    return alle;
}

QString TStruktur::data(const QTreeWidgetItem* emne)
{
    return emne->data(0, Qt::UserRole).toString();
}

QTreeWidgetItem* TStruktur::valgt() const
{
    const QList<QTreeWidgetItem*> valgte = selectedItems();
    return valgte.isEmpty() ? nullptr : valgte.first();
}

bool TStruktur::HentStruktur()
{
    clear();
    if (!QFileInfo(Strukturfile).isFile())
        return false;
    QStringList ulaeselige;
    const auto laes = [&](const QString& fil) {
        Linjefil::Laesning l = Linjefil::laes(fil, Linjefil::Graense::lister);
        if (l.udfald == Linjefil::Laesning::Ulaeselig)
            ulaeselige << QDir::toNativeSeparators(fil);
        return std::move(l.linjer);
    };
    // sti[d] is the last topic read at depth d.
    const QStringList navne = laes(Strukturfile);
    const bool laest = ulaeselige.isEmpty();
    QList<QTreeWidgetItem*> sti;
    for (const QString& linje : navne) {
        qsizetype d = 0;
        while (d < linje.size() && (linje.at(d) == QLatin1Char('\t') || linje.at(d) == u' '))
            ++d;
        // Room for the levels when the topic is written back.
        const QString tekst = linje.mid(d, Linjefil::hoejstLinje - hoejstNiveau);
        if (tekst.isEmpty())
            continue;
        // A line deeper than one below the line before is taken as one below it,
        // and none goes deeper than a help tree can be shown.
        d = std::min({d, sti.size(), hoejstNiveau});
        sti.resize(d);
        auto* emne = d == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(sti.last());
        emne->setText(0, tekst);
        sti.append(emne);
    }
    if (DataOn) {
        const QList<QTreeWidgetItem*> alle = emner();
        if (!QFileInfo::exists(Datafile) && !alle.isEmpty()) {
            QStringList nye;
            for (const QTreeWidgetItem* e : alle)
                nye.append(QLatin1Char('0') + e->text(0));
            if (const QString fejl = Linjefil::gem(Datafile, nye); !fejl.isEmpty())
                m_fejl(fejl);
        }
        const QStringList linjer = alle.isEmpty() ? QStringList() : laes(Datafile);
        for (int i = 0; i < alle.size(); ++i) {
            const QString linje = linjer.value(i);
            // A missing or kindless line: a plain page named as the topic.
            if (begynderMedCiffer(linje))
                saetData(alle[i], linje.mid(1), linje.at(0).digitValue());
            else
                saetData(alle[i], alle[i]->text(0), 0);
        }
    }
    if (!ulaeselige.isEmpty())
        m_fejl(Filvagt::besked(ulaeselige));
    Modified = false;
    return laest;
}

bool TStruktur::GemStruktur()
{
    if (Strukturfile.isEmpty() || (DataOn && Datafile.isEmpty()))
        return false;
    QStringList navne;
    QStringList datalinjer;
    for (const QTreeWidgetItem* e : emner()) {
        navne.append(QString(dybde(e), QLatin1Char('\t')) + e->text(0));
        const QString d = data(e);
        datalinjer.append(d.isEmpty() ? QStringLiteral("0") : d);
    }
    const bool havdeData = QFileInfo::exists(Datafile);
    const QStringList gamleData = Linjefil::hent(Datafile);
    if (DataOn) {
        if (const QString fejl = Linjefil::gem(Datafile, datalinjer); !fejl.isEmpty()) {
            m_fejl(fejl);
            return false;
        }
    }
    if (const QString fejl = Linjefil::gem(Strukturfile, navne); !fejl.isEmpty()) {
        // The two files stay in step: the data file goes back to what it was.
        if (DataOn && havdeData)
            (void)Linjefil::gem(Datafile, gamleData);
        else if (DataOn)
            QFile::remove(Datafile);
        m_fejl(fejl);
        return false;
    }
    Modified = false;
    return true;
}

void TStruktur::saetData(QTreeWidgetItem* emne, const QString& Data, int Index)
{
    if (!DataOn) {
        emne->setData(0, Qt::UserRole, QVariant());
        emne->setIcon(0, QIcon());
        return;
    }
    // One digit on file: a kind outside 0 to 9 would eat into the page name.
    const int art = Index >= 0 && Index <= 9 ? Index : 0;
    emne->setData(0, Qt::UserRole, QString::number(art) + Data);
    emne->setIcon(0, billeder.value(art, billeder.value(0)));
}

void TStruktur::placer(QTreeWidgetItem* emne, QTreeWidgetItem* maal)
{
    QTreeWidgetItem* foraelder = maal->parent();
    const auto indsaet = [&](int sted) {
        if (foraelder)
            foraelder->insertChild(sted, emne);
        else
            insertTopLevelItem(sted, emne);
    };
    switch (Flytmode) {
    case naAdd:
        indsaet(foraelder ? foraelder->childCount() : topLevelItemCount());
        break;
    case naAddFirst:
        indsaet(0);
        break;
    case naAddChild:
        maal->addChild(emne);
        break;
    case naAddChildFirst:
        maal->insertChild(0, emne);
        break;
    case naInsert:
        indsaet(foraelder ? foraelder->indexOfChild(maal) : indexOfTopLevelItem(maal));
        break;
    }
}

void TStruktur::efterAendring(bool sorter, bool gem)
{
    if (sorter)
        sortItems(0, Qt::AscendingOrder);
    Modified = true;
    if (gem)
        GemStruktur();
}

void TStruktur::NyNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem)
{
    const QString tekst = linjetekst(Tekst);
    if (tekst.isEmpty())
        return;
    auto* emne = new QTreeWidgetItem(QStringList{tekst});
    if (topLevelItemCount() == 0)
        addTopLevelItem(emne);
    else
        placer(emne, valgt() ? valgt() : topLevelItem(0));
    saetData(emne, Data, Index);
    efterAendring(sorter, gem);
}

void TStruktur::RedigerNode(const QString& Tekst, const QString& Data, int Index, bool sorter,
                            bool gem)
{
    const QString tekst = linjetekst(Tekst);
    QTreeWidgetItem* emne = valgt();
    if (!emne || tekst.isEmpty())
        return;
    emne->setText(0, tekst);
    saetData(emne, Data, Index);
    efterAendring(sorter, gem);
}

void TStruktur::SletNode()
{
    QTreeWidgetItem* emne = valgt();
    if (!emne)
        return;
    QList<QTreeWidgetItem*> sider;
    for (int i = 0; i < emne->childCount(); ++i)
        sider.append(emne->child(i));
    sider.append(emne);
    for (const QTreeWidgetItem* s : std::as_const(sider))
        if (const QString d = data(s); !d.isEmpty())
            FileDeleteRB(Infomappe + d.mid(1) + QStringLiteral(".html"));
    delete emne;
    Modified = true;
}

bool TStruktur::FileDeleteRB(const QString& AFileName)
{
    if (!QFileInfo::exists(AFileName))
        return false;
    return m_platform.moveToTrash(QDir::toNativeSeparators(AFileName).toStdString());
}

QString TStruktur::SelectedData() const
{
    const QTreeWidgetItem* emne = valgt();
    if (!DataOn || !emne)
        return {};
    return data(emne).mid(1);
}

QTreeWidgetItem* TStruktur::find(const QString& DataUrl) const
{
    if (!DataOn)
        return nullptr;
    const QString noegle = QFileInfo(DataUrl).completeBaseName();
    for (QTreeWidgetItem* e : emner())
        if (const QString d = data(e); !d.isEmpty() && d.mid(1) == noegle)
            return e;
    return nullptr;
}

bool TStruktur::setSelected(const QString& DataUrl)
{
    QTreeWidgetItem* emne = find(DataUrl);
    if (!emne || emne == valgt())
        return false;
    setCurrentItem(emne);
    return true;
}

QString TStruktur::getNodeTekst(const QString& DataUrl)
{
    QTreeWidgetItem* emne = find(DataUrl);
    if (!emne)
        return {};
    if (emne != valgt())
        setCurrentItem(emne);
    return emne->text(0);
}

QString TStruktur::InfoFilnavn(const QString& Filefternavn) const
{
    const QTreeWidgetItem* emne = valgt();
    if (!emne)
        return {};
    QString navn = emne->text(0);
    if (emne->parent())
        navn.prepend(emne->parent()->text(0));
    return QDir::toNativeSeparators(QDir(Infomappe).filePath(navn + u'.' + Filefternavn));
}

int TStruktur::getTheSelectedIndex() const
{
    if (topLevelItemCount() == 0)
        return -1;
    return static_cast<int>(emner().indexOf(valgt()));
}

void TStruktur::MusDown(int X, int Y)
{
    if (MouseDown) {
        MouseDown = false;
        viewport()->unsetCursor();
        return;
    }
    NodeDown = itemAt(X, Y);
    // The first topic of the tree stays where it is.
    if (NodeDown && NodeDown != topLevelItem(0)) {
        MouseDown = true;
        viewport()->setCursor(Qt::PointingHandCursor);
    }
}

void TStruktur::MusUp(int X, int Y, bool somGrundnode)
{
    if (!MouseDown)
        return;
    viewport()->unsetCursor();
    MouseDown = false;
    NodeUp = itemAt(X, Y);
    // A topic dropped into its own subtree would take that subtree out of the tree.
    if (!NodeUp || NodeUp == NodeDown || (!somGrundnode && erUnder(NodeUp, NodeDown)))
        return;
    if (QTreeWidgetItem* foraelder = NodeDown->parent())
        foraelder->removeChild(NodeDown);
    else
        takeTopLevelItem(indexOfTopLevelItem(NodeDown));
    if (somGrundnode)
        insertTopLevelItem(0, NodeDown);
    else
        placer(NodeDown, NodeUp);
    Modified = true;
}
