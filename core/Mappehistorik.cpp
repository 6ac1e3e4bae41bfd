#include "Mappehistorik.h"

#include <algorithm>

void Mappehistorik::optag(const QString& mappe)
{
    m_liste << mappe;
    m_index = static_cast<int>(m_liste.size()) - 1;
}

bool Mappehistorik::tom()
{
    if (!m_liste.isEmpty())
        return false;
    m_index = -1;
    return true;
}

std::optional<QString> Mappehistorik::foerste()
{
    if (tom())
        return {};
    if (m_index < 1) {
        m_index = 0;
        return {};
    }
    // Vanished folders at the start go first, so the first one left is shown.
    m_index = 0;
    while (!m_liste.isEmpty() && !m_findes(m_liste.first()))
        m_liste.removeFirst();
    if (tom())
        return {};
    return m_liste.first();
}

std::optional<QString> Mappehistorik::skridt(int retning)
{
    for (;;) {
        if (tom())
            return {};
        const int sidst = static_cast<int>(m_liste.size()) - 1;
        const int maal = m_index + retning;
        if (maal < 0 || maal > sidst) {
            m_index = std::clamp(m_index, 0, sidst);
            return {};
        }
        m_index = maal;
        if (m_findes(m_liste.at(m_index)))
            return m_liste.at(m_index);
        // The vanished entry goes and the walk stays where it was; going back,
        // the later entries move down, so the folder that was shown is shown
        // again and the next press goes on.
        m_liste.removeAt(m_index);
        m_index -= retning;
    }
}

std::optional<QString> Mappehistorik::sidste()
{
    if (tom())
        return {};
    // Vanished folders at the end go first, so the last one left is shown.
    while (!m_liste.isEmpty() && m_index < m_liste.size() - 1 && !m_findes(m_liste.last()))
        m_liste.removeLast();
    if (tom())
        return {};
    const int sidst = static_cast<int>(m_liste.size()) - 1;
    if (m_index >= sidst) {
        m_index = sidst;
        return {};
    }
    m_index = sidst;
    return m_liste.at(m_index);
}
