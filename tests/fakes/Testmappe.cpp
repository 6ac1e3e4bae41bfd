#include "Testmappe.h"

#include "Linjefil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Testmappe::Testmappe() = default;

QString Testmappe::sti(const QString& relativ) const
{
    return QDir(m_dir.path()).filePath(relativ);
}

QString Testmappe::skriv(const QString& relativ, const QByteArray& bytes) const
{
    const QString fuld = sti(relativ);
    QDir().mkpath(QFileInfo(fuld).path());
    QFile fil(fuld);
    if (fil.open(QIODevice::WriteOnly))
        fil.write(bytes);
    return fuld;
}

QString Testmappe::skrivLinjer(const QString& relativ, const QStringList& linjer) const
{
    return skriv(relativ, Linjefil::indkod(linjer, Linjefil::Kodning::Ansi));
}

QByteArray Testmappe::laes(const QString& relativ) const
{
    QFile fil(sti(relativ));
    return fil.open(QIODevice::ReadOnly) ? fil.readAll() : QByteArray();
}

QStringList Testmappe::laesLinjer(const QString& relativ) const
{
    return Linjefil::hent(sti(relativ));
}
