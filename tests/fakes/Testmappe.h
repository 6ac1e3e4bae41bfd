#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A path as the program shows and hands it on: with this system's separators.
inline std::string nativ(const QString& sti)
{
    return QDir::toNativeSeparators(sti).toStdString();
}

// A temporary folder for one test, with helpers to lay out files in it.
class Testmappe
{
public:
    Testmappe();
    ~Testmappe();
    Testmappe(const Testmappe&) = delete;
    Testmappe& operator=(const Testmappe&) = delete;
    QString rod() const { return m_dir.path(); }
    QString sti(const QString& relativ) const;
    // Writes the bytes, making the missing folders; returns the full path.
    QString skriv(const QString& relativ, const QByteArray& bytes) const;
    // Writes lines with CR LF in Windows-1252 (as the program's own files are).
    QString skrivLinjer(const QString& relativ, const QStringList& linjer) const;
    QByteArray laes(const QString& relativ) const;
    QStringList laesLinjer(const QString& relativ) const;

private:
    QTemporaryDir m_dir;
};
