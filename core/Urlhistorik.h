#pragma once

#include <QObject>
#include <QStringList>

// The pages visited in the information viewer, which its navigation buttons
// walk and the URL box shows. Entries are page names relative to the
// viewer's page folder.
class Urlhistorik : public QObject
{
    Q_OBJECT
public:
    const QStringList& urlListe() const { return m_liste; }
    // Position of the current page; -1 when none.
    int urlIndex() const { return m_index; }
    // The navigation under way came from the list, so its page is not added again.
    bool naviKlikket = false;

    // A help page has been shown: after a walk in the list it only becomes the
    // selected entry; otherwise it goes right after the current entry.
    void besoegt(const QString& side);
    // Empties the list.
    void ryd();

    bool kanFoerste() const { return m_liste.size() >= 2 && m_index >= 1; }
    bool kanTilbage() const { return m_index > 0; }
    bool kanFrem() const { return m_index < m_liste.size() - 1; }
    bool kanSidste() const { return m_liste.size() >= 2 && m_index < m_liste.size() - 1; }
    void foerste() { gaaTil(0); }
    void tilbage() { gaaTil(std::max(m_index - 1, 0)); }
    void frem() { gaaTil(std::min(m_index + 1, static_cast<int>(m_liste.size()) - 1)); }
    void sidste() { gaaTil(static_cast<int>(m_liste.size()) - 1); }
    // Makes entry `index` current and asks for its page.
    void gaaTil(int index);

    // Drops entries whose text (letter case ignored) came before; the current
    // entry stays current at its first occurrence. Returns the number dropped.
    int rensDobbelt();
    // The status text after removing `antal` repeats.
    static QString rensTekst(int antal);

signals:
    // The list or the current entry changed.
    void aendret();
    // The viewer is to show this page.
    void naviger(const QString& side);

private:
    QStringList m_liste;
    int m_index = -1;
};
