#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QFileSystemWatcher;

// One run of the program per account and data set. The first start holds a
// lock and watches a folder of its own beside it; a later start finds the lock
// held, leaves a request in that folder for the first to show itself and ends
// before it reads or writes a data file, so two runs never write over each
// other's files. Files alone, so that it needs nothing beyond QtCore anywhere.
class Enkeltstart : public QObject
{
    Q_OBJECT
public:
    // The lock and the folder are named `navn` in `mappe`.
    Enkeltstart(const QString& mappe, const QString& navn);
    ~Enkeltstart() override;

    // The user's own: in the user's runtime folder (the temporary folder where
    // the system has none), named for the user and the data set's folder.
    static QString mappe();
    static QString navn(const QString& bruger, const QString& base);

    // True when this start is the one to run: it holds the lock (taken over
    // from a run that crashed) and watches. False when another run holds it;
    // that run has then been asked to show its window.
    bool foerste();

signals:
    // A later start asked this run to show its main window.
    void vis();

private:
    void modtag();
    bool bedOmVisning() const;

    QString m_postkasse;
    QString m_anmodning;
    QLockFile m_laas;
    QFileSystemWatcher* m_vagt = nullptr;
};
