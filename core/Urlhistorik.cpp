#include "Urlhistorik.h"

void Urlhistorik::besoegt(const QString& side)
{
    if (naviKlikket) {
        naviKlikket = false;
    } else if (!m_liste.isEmpty() && m_liste.size() != m_index + 1) {
        // Pages after the current one stay; the new one goes between.
        ++m_index;
        m_liste.insert(m_index, side);
    } else {
        m_liste.append(side);
        m_index = static_cast<int>(m_liste.size()) - 1;
    }
    emit aendret();
}

void Urlhistorik::ryd()
{
    m_liste.clear();
    m_index = -1;
    emit aendret();
}

void Urlhistorik::gaaTil(int index)
{
    if (index < 0 || index >= m_liste.size())
        return;
    m_index = index;
    naviKlikket = true;
    emit aendret();
    emit naviger(m_liste.at(index));
}

int Urlhistorik::rensDobbelt()
{
    const QString aktuel =
        m_index >= 0 && m_index < m_liste.size() ? m_liste.at(m_index) : QString();
    QStringList beholdte;
    for (const QString& s : std::as_const(m_liste))
        if (!beholdte.contains(s, Qt::CaseInsensitive))
            beholdte.append(s);
    const int slettet = static_cast<int>(m_liste.size() - beholdte.size());
    m_liste = beholdte;
    if (m_index >= 0) {
        m_index = 0;
        while (m_liste.at(m_index).compare(aktuel, Qt::CaseInsensitive) != 0)
            ++m_index;
    }
    emit aendret();
    return slettet;
}

QString Urlhistorik::rensTekst(int antal)
{
    if (antal == 0)
        return QStringLiteral("Der var ingen dobbeltgængere");
    if (antal == 1)
        return QStringLiteral("Der blev slettet 1 dobbeltgænger");
    return QStringLiteral("Der blev slettet ") + QString::number(antal) +
           QStringLiteral(" dobbeltgængere");
}
