#pragma once

#include <QIcon>
#include <QList>
#include <QTreeWidget>
#include <functional>

class Platform;

// Where a new or moved topic goes, at a target topic.
enum TNodeAttachMode {
    naAdd,           // after the target's last sibling
    naAddFirst,      // before the target's first sibling
    naAddChild,      // as the target's last child
    naAddChildFirst, // as the target's first child
    naInsert,        // right before the target
};

// A tree of named help topics, each with a data string: one digit, the
// topic's kind (which picks its picture), then its page name. Stored as two
// files read and written together: "struktur.txt" holds the names, a TAB per
// level, "data.txt" one data string per topic in the same order.
class TStruktur : public QTreeWidget
{
    Q_OBJECT
public:
    // `fejl` tells the user in Danish why a file could not be written.
    TStruktur(Platform& platform, std::function<void(const QString&)> fejl,
              QWidget* parent = nullptr);

    QString Strukturfile;
    QString Datafile;
    QString Infomappe; // ends with a separator
    bool DataOn = false;
    bool Modified = false;
    TNodeAttachMode Flytmode = naAdd;
    // One picture per kind; a kind without one shows the first.
    QList<QIcon> billeder;

    // The deepest level a topic is read at; deeper lines are its siblings.
    static constexpr qsizetype hoejstNiveau = 32;
    // False when the tree file is missing or cannot be read (that is told through `fejl`).
    bool HentStruktur();
    bool GemStruktur();
    void NyNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem);
    void RedigerNode(const QString& Tekst, const QString& Data, int Index, bool sorter, bool gem);
    void SletNode();
    QString SelectedData() const;
    bool setSelected(const QString& DataUrl);
    QString getNodeTekst(const QString& DataUrl);
    QString InfoFilnavn(const QString& Filefternavn) const;
    int getTheSelectedIndex() const;
    void MusDown(int X, int Y);
    void MusUp(int X, int Y, bool somGrundnode);
    bool FileDeleteRB(const QString& AFileName);

    // Every topic in tree order: a topic, its children, then its next sibling.
    QList<QTreeWidgetItem*> emner() const;
    // A topic's data string; empty when it has none.
    static QString data(const QTreeWidgetItem* emne);
    QTreeWidgetItem* valgt() const;

    bool MouseDown = false;
    QTreeWidgetItem* NodeDown = nullptr;
    QTreeWidgetItem* NodeUp = nullptr;

private:
    void placer(QTreeWidgetItem* emne, QTreeWidgetItem* maal);
    void saetData(QTreeWidgetItem* emne, const QString& Data, int Index);
    void efterAendring(bool sorter, bool gem);
    QTreeWidgetItem* find(const QString& DataUrl) const;

    Platform& m_platform;
    std::function<void(const QString&)> m_fejl;
};
