#include "Testmappe.h"

#include "Linjefil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

Testmappe::Testmappe()
{
    m_dir.setAutoRemove(false);
}

// Removed by its bytes and with its folders made writable first: the toolkit
// can neither name a file whose name is not UTF-8 nor empty a read-only folder,
// and either would stay in the temporary folder for good.
Testmappe::~Testmappe()
{
    namespace fs = std::filesystem;
    const fs::path rod(m_dir.path().toLocal8Bit().toStdString());
    std::error_code fejl;
    fs::permissions(rod, fs::perms::owner_all, fs::perm_options::add, fejl);
    for (auto it = fs::recursive_directory_iterator(rod, fejl); !fejl && it != fs::end(it);
         it.increment(fejl)) {
        if (it->is_directory(fejl) && !it->is_symlink(fejl))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, fejl);
    }
    fs::remove_all(rod, fejl);
}

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
