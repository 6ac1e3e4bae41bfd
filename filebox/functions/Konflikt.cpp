#include "functions/Dialoger.h"
#include "functions/GrundMetoder.h"

#include <QDateTime>
#include <QLocale>

namespace {

qint64 sekund(qint64 tid)
{
    return tid < 0 ? -1 : tid / 1000;
}

} // namespace

bool Konflikt::nyErNyere() const
{
    return sekund(nyTid) > sekund(eksisterendeTid);
}

QStringList Konflikt::linjer() const
{
    const auto linje = [](const char* hvem, qint64 size, qint64 tid, bool nyere, bool stoerre) {
        QString tekst = QString::fromUtf8(hvem) + TGrundMetoder::enhedstekst(size, 4);
        if (tid >= 0)
            tekst += QStringLiteral(", ") +
                     QLocale().toString(QDateTime::fromMSecsSinceEpoch(tid), QLocale::ShortFormat);
        QStringList maerker;
        if (nyere)
            maerker << QStringLiteral("nyere");
        if (stoerre)
            maerker << QStringLiteral("større");
        if (!maerker.isEmpty())
            tekst += QStringLiteral(" (") + maerker.join(QStringLiteral(", ")) + u')';
        return tekst;
    };
    const qint64 a = sekund(eksisterendeTid);
    const qint64 b = sekund(nyTid);
    return {linje("Eksisterende: ", eksisterendeSize, eksisterendeTid, a > b,
                  eksisterendeSize > nySize),
            linje("Ny: ", nySize, nyTid, b > a, nySize > eksisterendeSize)};
}
