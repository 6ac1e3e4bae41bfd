#include "functions/Prehandlinger.h"

#include <cmath>

void TPrehandlinger::initInfo(bool kopiering)
{
    Progressvindue->setFilProcent(0);
    Progressvindue->setAlleProcent(0);
    Progressvindue->setInfo(kopiering ? QStringLiteral("Kopiering forberedes")
                                      : QStringLiteral("Sletning forberedes"));
    Progressvindue->setProcent(QStringLiteral("0%"));
    Progressvindue->setResterende({});
    Progressvindue->setSletInfo({});
    Progressvindue->opdater();
    totalSize = 0;
    posSize = 0;
    antalFiler = 0;
    antalMapper = 1;
}

void TPrehandlinger::endInfo()
{
    Progressvindue->setFilProcent(0);
    Progressvindue->setAlleProcent(0);
}

void TPrehandlinger::startKopiering(int count)
{
    Progressvindue->setAktiv(count, 0);
    Progressvindue->vis();
}

void TPrehandlinger::slutKopiering()
{
    Progressvindue->luk();
}

void TPrehandlinger::startSletning()
{
    Progressvindue->setSletInfo(QStringLiteral("Sletter mapper/filer..."));
    Progressvindue->opdater();
}

void TPrehandlinger::slutSletning()
{
    Progressvindue->setSletInfo({});
    Progressvindue->opdater();
}

void TPrehandlinger::CopyCallback(qint64 transferred, qint64 total)
{
    // An empty file has nothing to divide: it is whole at once.
    const int procent = total > 0
                            ? static_cast<int>(std::lround(static_cast<double>(transferred) *
                                                           100.0 / static_cast<double>(total)))
                            : 100;
    if (procent != Progressvindue->filProcent())
        Progressvindue->setFilProcent(procent);
    // The whole moves with the bytes, also through one big file.
    const int alle = samletProcent(posSize + transferred);
    Progressvindue->setAlleProcent(alle);
    Progressvindue->setProcent(QString::number(alle) + u'%');
    Progressvindue->opdater();
}
