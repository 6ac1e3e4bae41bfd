#pragma once

#include <QStringList>

#include <functional>
#include <optional>

// The folders the file box has shown, which its navigation buttons walk.
// Folders that have vanished leave the list as the walk meets them.
class Mappehistorik
{
public:
    using Findes = std::function<bool(const QString& mappe)>;
    explicit Mappehistorik(Findes findes) : m_findes(std::move(findes)) {}

    const QStringList& liste() const { return m_liste; }
    // Position of the folder shown; -1 when the list is empty after a walk.
    int index() const { return m_index; }
    bool kanTilbage() const { return m_index > 0; }
    bool kanFrem() const { return m_index >= 0 && m_index < m_liste.size() - 1; }

    // A folder has been shown and goes last; recording never cuts the list.
    void optag(const QString& mappe);
    void ryd() { m_liste.clear(); }

    // Each gives the folder to show, or nothing when the walk stays where it is.
    std::optional<QString> foerste();
    std::optional<QString> tilbage() { return skridt(-1); }
    std::optional<QString> frem() { return skridt(1); }
    std::optional<QString> sidste();

private:
    // True, with the index at -1, when nothing is left to walk.
    bool tom();
    // One place back (-1) or on (1), past folders that have vanished.
    std::optional<QString> skridt(int retning);

    Findes m_findes;
    QStringList m_liste;
    int m_index = 0;
};
