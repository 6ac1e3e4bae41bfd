#pragma once

#include <QCollator>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Grupper;

// Find as you type over the elements of every program group (not the storage
// groups). Texts and file names are folded once when the index is built, so a
// key press compares plain strings: case and accents are ignored where the
// locale's collation ignores them, and æ, ø and å stay letters of their own.
// Nothing here writes a file.
class Soegning
{
public:
    struct Element
    {
        QString gruppe;
        QString fil;
        QString tekst;
        QString parametre{};
        QString startmappe{};
    };

    explicit Soegning(const QLocale& sprog = QLocale());

    // Every program group's elements in list order; the active group from
    // memory (it may hold changes its files do not), the others from their files.
    void indlaes(const Grupper& grupper);
    void saet(QList<Element> elementer);

    // The places of the elements whose text or file name holds every word of
    // `soegning`; empty for an empty search. A search that extends the last one
    // looks only among the last results.
    const QList<int>& filtrer(const QString& soegning);

    const Element& element(int i) const { return m_elementer.at(i); }
    // The element shown in row `raekke` of the last search's results.
    const Element& fundet(int raekke) const { return m_elementer.at(m_fundne.at(raekke)); }
    qsizetype antal() const { return m_elementer.size(); }

    // The string as it is compared.
    QString fold(const QString& tekst) const;

private:
    QChar foldTegn(QChar c) const;

    QCollator m_collator;
    mutable QHash<char16_t, QChar> m_tegn;
    QList<Element> m_elementer;
    QStringList m_tekster;  // folded
    QStringList m_filnavne; // folded, the file's own name
    QString m_sidste;
    QList<int> m_fundne;
};
