#pragma once

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <QHash>
#include <QIcon>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <vector>

class Ikonvalg;
class QFontMetrics;

// The active group's elements as the panel, the menu view and the group window
// show them. An element's icon is made when a view first asks for it, so a group
// of any size is shown at once. An element whose file is gone keeps its place,
// greyed, with a hint that says so.
class Elementmodel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Rolle { StiRolle = Qt::UserRole + 1 };

    explicit Elementmodel(const Ikonvalg& ikonvalg, QObject* parent = nullptr);

    // The whole group anew: its file names and their texts, at the same places.
    // With `grupper`, each element's hint names the group it comes from.
    void nulstil(const QStringList& filer, const QStringList& tekster,
                 const QStringList& grupper = {});
    // Rows of elements met before, as the search shows them key after key: what
    // is known of a file (its icon, whether it is there) and of a text's width
    // stays, and the folders watched stay watched.
    void skift(const QStringList& filer, const QStringList& tekster, const QStringList& grupper);
    void tilfoej(const QString& fil, const QString& tekst);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QIcon ikon(int raekke) const;
    bool findes(int raekke) const;
    // An icon that asks for the element's icon only when it is drawn, for menus.
    QIcon udskudtIkon(int raekke) const;
    // The text that takes the most room in this font, for views whose items
    // share one size: the longest texts are measured, not all of them.
    QString bredesteTekst(const QFontMetrics& maal) const;
    // The longest texts and the longest of their words, by letters, for measuring
    // what a cell must hold without measuring every element.
    QStringList laengsteTekster() const;
    QStringList laengsteOrd() const;

    // Looks again at the files of the elements shown so far; those that
    // appeared or vanished are drawn anew. The folders of shown elements are
    // watched, so this also runs shortly after a change there.
    void tjekFiler();

private:
    struct Raekke
    {
        bool lavet = false;
        bool findes = true;
        QIcon ikon;
    };
    const Raekke& lav(int raekke) const;

    const Ikonvalg& m_ikonvalg;
    QStringList m_filer;
    QStringList m_tekster;
    QStringList m_grupper;
    mutable std::vector<Raekke> m_raekker;
    mutable QHash<QString, Raekke> m_kendte; // every row made since the last reset, by file
    mutable QFileSystemWatcher m_vagt;
    mutable QSet<QString> m_mapper;
    QTimer m_tjek;
    mutable QString m_bredeste;
    mutable QString m_bredesteSkrift;      // the font it was measured in; empty: not measured
    mutable QHash<QString, int> m_bredder; // texts measured in m_bredderSkrift
    mutable QString m_bredderSkrift;
};
