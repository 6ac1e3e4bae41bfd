#pragma once

#include <QFile>
#include <QString>
#include <sys/mount.h>
#include <unistd.h>

// A folder that this process cannot write in for as long as the object lives,
// root included: an ordinary user loses the write permission; root, whom
// permissions do not stop, gets the folder bind-mounted onto itself read-only.
// ok() is false where neither can be done (root without the right to mount).
class Skrivebeskyttet
{
public:
    explicit Skrivebeskyttet(const QString& mappe) : m_mappe(mappe.toLocal8Bit())
    {
        if (geteuid() != 0) {
            m_ok = QFile::setPermissions(mappe, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        m_monteret =
            mount(m_mappe.constData(), m_mappe.constData(), nullptr, MS_BIND, nullptr) == 0;
        m_ok = m_monteret && mount(nullptr, m_mappe.constData(), nullptr,
                                   MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~Skrivebeskyttet()
    {
        if (m_monteret)
            umount(m_mappe.constData());
        else
            QFile::setPermissions(QString::fromLocal8Bit(m_mappe),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Skrivebeskyttet(const Skrivebeskyttet&) = delete;
    Skrivebeskyttet& operator=(const Skrivebeskyttet&) = delete;

    bool ok() const { return m_ok; }

private:
    QByteArray m_mappe;
    bool m_monteret = false;
    bool m_ok = false;
};
