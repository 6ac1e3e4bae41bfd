#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <sys/mount.h>

// A tiny tmpfs mounted on a folder for as long as the object lives, filled to
// the last byte by fyld(). ok() is false where it cannot be mounted (not root);
// the mount goes with the object even when an assertion ends the test early.
class FuldDisk
{
public:
    explicit FuldDisk(const QString& mappe, const char* stoerrelse = "size=64k")
        : m_mappe(mappe.toLocal8Bit())
    {
        QDir().mkpath(mappe);
        m_ok = mount("tavlumfuld", m_mappe.constData(), "tmpfs", 0, stoerrelse) == 0;
    }
    ~FuldDisk()
    {
        if (m_ok)
            umount(m_mappe.constData());
    }
    FuldDisk(const FuldDisk&) = delete;
    FuldDisk& operator=(const FuldDisk&) = delete;

    bool ok() const { return m_ok; }

    // Takes every free byte; fjern() gives them back.
    void fyld()
    {
        QFile fyld(fyldnavn());
        if (!fyld.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray blok(4096, 'x');
        while (fyld.write(blok) == blok.size()) {
        }
        while (fyld.write(blok.left(1)) == 1) {
        }
    }
    void fjern() { QFile::remove(fyldnavn()); }

private:
    QString fyldnavn() const { return QString::fromLocal8Bit(m_mappe) + "/.fyld"; }

    QByteArray m_mappe;
    bool m_ok = false;
};
