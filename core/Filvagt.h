#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// Keeps the line files that could not be read (too large, binary, broken) as
// they are: the program goes on as if such a file were missing, tells the user
// once, and does not write over it until what the program holds for it
// differs from what it fell back to. It also keeps what another program wrote
// into a file since this one read it: such a change is joined with the
// program's own, or kept while the program's is put beside it, and told.
class Sikkerhedskopi;

class Filvagt
{
public:
    // The day's copies, taken before a file is replaced or deleted; none: no copies.
    void setSikkerhedskopi(Sikkerhedskopi* kopi) { m_kopi = kopi; }
    // Files about to be deleted or renamed are kept as a change would keep them.
    void foerSletning(const QStringList& filnavne);

    // The lines of a file of at most `hoejst` bytes; an unreadable one gives
    // none and is noted.
    QStringList hent(const QString& filnavn, qint64 hoejst);
    bool ulaeselig(const QString& filnavn) const;
    // What the program would write for an unreadable file right after falling
    // back (its defaults); saving just that leaves the file alone. Without it,
    // an empty list counts as unchanged.
    void grundlag(const QString& filnavn, const QStringList& linjer);
    // Whether saving `linjer` now would leave an unreadable file alone.
    bool uaendret(const QString& filnavn, const QStringList& linjer) const;
    // Replaces the file (kept first as the day's copy), unless it is an unreadable one and the lines are
    // still what the program fell back to. An empty string or a Danish message.
    [[nodiscard]] QString gem(const QString& filnavn, const QStringList& linjer);

    // Files whose lines belong together place by place (a group's files) are
    // replaced as one change: all or none.
    struct Aendring
    {
        QString filnavn;
        QStringList linjer;
    };
    [[nodiscard]] QString gem(const QList<Aendring>& filer);

    // A file whose lines are a list in which each line stands alone (the group
    // lists): an outside change is joined line by line
    // rather than place by place.
    void somListe(const QString& filnavn);

    // The lines the file holds on disk as far as this guard knows (what it
    // last read or wrote there); none for a file it has not met.
    std::optional<QStringList> kendt(const QString& filnavn) const;

    // The files found unreadable since the last call, each once a run.
    QStringList nyeUlaeselige();
    // The one message that names them.
    static QString besked(const QStringList& filer);

    // The same through a guard that may be absent, as for a list used alone.
    static QStringList hent(Filvagt* vagt, const QString& filnavn, qint64 hoejst);
    [[nodiscard]] static QString gem(Filvagt* vagt, const QString& filnavn,
                                     const QStringList& linjer);

private:
    struct Udfald;
    Udfald flet(const QString& n, const Aendring& a) const;
    QString gemTilside(const QList<Aendring>& egne);

    Sikkerhedskopi* m_kopi = nullptr;
    QHash<QString, QStringList> m_kendt;
    QSet<QString> m_lister;
    QHash<QString, QStringList> m_grundlag;
    QSet<QString> m_fortalt;
    QStringList m_nye;
};
