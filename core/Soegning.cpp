#include "Soegning.h"

#include "Grupper.h"

#include <QFileInfo>

namespace {

bool dansk(QChar c)
{
    switch (c.unicode()) {
    case u'æ':
    case u'ø':
    case u'å':
    case u'Æ':
    case u'Ø':
    case u'Å':
        return true;
    default:
        return false;
    }
}

} // namespace

Soegning::Soegning(const QLocale& sprog) : m_collator(sprog)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

QChar Soegning::foldTegn(QChar c) const
{
    if (c.unicode() < 0x80)
        return c.toLower();
    if (const auto it = m_tegn.constFind(c.unicode()); it != m_tegn.cend())
        return *it;
    QChar ud = c.toLower();
    const QString grund = QString(c).normalized(QString::NormalizationForm_D);
    if (!dansk(c) && grund.size() > 1 && !grund.at(0).isMark()) {
        // QCollator has no strength that ignores accents alone; the base letter
        // counts as the same when only a later letter decides both orders.
        const QString a = QString(c), b = grund.at(0);
        if (m_collator.compare(a + u'b', b + u'a') > 0 &&
            m_collator.compare(a + u'a', b + u'b') < 0)
            ud = grund.at(0).toLower();
    }
    m_tegn.insert(c.unicode(), ud);
    return ud;
}

QString Soegning::fold(const QString& tekst) const
{
    QString ud = tekst.normalized(QString::NormalizationForm_C);
    for (QChar& c : ud)
        c = foldTegn(c);
    return ud;
}

void Soegning::indlaes(const Grupper& grupper)
{
    QList<Element> alle;
    for (const QString& navn : grupper.gruppeliste) {
        Grupper g;
        g.DirFiler = grupper.DirFiler;
        g.gruppenavn = navn;
        if (navn == grupper.gruppenavn) {
            g.programliste = grupper.programliste;
            g.tekstliste = grupper.tekstliste;
            g.parameterliste = grupper.parameterliste;
        } else {
            g.filnavn = g.makeFilnavn();
            g.tekstnavn = g.makeTekstnavn();
            g.hentAktiv();
        }
        for (qsizetype i = 0; i < g.programliste.size(); ++i)
            alle.append({navn, g.programliste.at(i), g.tekstliste.value(i), g.parametre(int(i)),
                         g.startmappe(int(i))});
    }
    saet(std::move(alle));
}

void Soegning::saet(QList<Element> elementer)
{
    m_elementer = std::move(elementer);
    m_tekster.clear();
    m_filnavne.clear();
    m_tekster.reserve(m_elementer.size());
    m_filnavne.reserve(m_elementer.size());
    for (const Element& e : m_elementer) {
        m_tekster.append(fold(e.tekst));
        m_filnavne.append(fold(QFileInfo(e.fil).fileName()));
    }
    m_sidste.clear();
    m_fundne.clear();
}

const QList<int>& Soegning::filtrer(const QString& soegning)
{
    const QString ny = fold(soegning.simplified());
    const QStringList ord = ny.split(u' ', Qt::SkipEmptyParts);
    // Every word of the last search is still in the new one, so nothing outside
    // its results can match now.
    const bool videre = !m_sidste.isEmpty() && ny.startsWith(m_sidste);
    QList<int> kandidater;
    if (videre)
        kandidater.swap(m_fundne);
    else if (!ord.isEmpty()) {
        kandidater.resize(m_elementer.size());
        for (int i = 0; i < kandidater.size(); ++i)
            kandidater[i] = i;
    }
    m_fundne.clear();
    for (int i : std::as_const(kandidater)) {
        bool alle = true;
        for (const QString& o : ord)
            if (!m_tekster.at(i).contains(o) && !m_filnavne.at(i).contains(o)) {
                alle = false;
                break;
            }
        if (alle)
            m_fundne.append(i);
    }
    m_sidste = ny;
    return m_fundne;
}
