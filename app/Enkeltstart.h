#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One run of the program per account and data set. The first start holds a
// lock and listens on a local socket beside it; a later start finds the lock
// held, asks the first to show itself and ends before it reads or writes a
// data file, so two runs never write over each other's files.
class Enkeltstart : public QObject
{
    Q_OBJECT
public:
    // The lock and the socket are named `navn` in `mappe`.
    Enkeltstart(const QString& mappe, const QString& navn);
    ~Enkeltstart() override;

    // The user's own: in the user's runtime folder, named for the user and
    // the data set's folder.
    static QString mappe();
    static QString navn(const QString& bruger, const QString& base);

    // True when this start is the one to run: it holds the lock (taken over
    // from a run that crashed) and listens. False when another run holds it;
    // that run has then been asked to show its window.
    bool foerste();

signals:
    // A later start asked this run to show its main window.
    void vis();

private:
    void modtag();
    bool bedOmVisning() const;

    QString m_sokkel;
    QLockFile m_laas;
    QLocalServer* m_server = nullptr;
};
