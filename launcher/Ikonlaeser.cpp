#include "Ikonlaeser.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace {

// Icon files hold a few pictures of at most 256 pixels; more is no icon file.
constexpr int hoejstBilleder = 64;
constexpr int hoejstSide = 256;

template <class T> T tal(const QByteArray& data, qsizetype sted)
{
    return qFromLittleEndian<T>(data.constData() + sted);
}

QImage png(const QByteArray& billede)
{
    QBuffer buffer;
    buffer.setData(billede);
    QImageReader laeser(&buffer, "png");
    laeser.setAutoDetectImageFormat(false);
    return laeser.read();
}

// A bottom-up 32-bit picture with its alpha in the colour bytes; the mask
// after it adds nothing to such a picture.
QImage bgra(const QByteArray& billede)
{
    if (billede.size() < 40)
        return {};
    const quint32 hoved = tal<quint32>(billede, 0);
    const qint32 bredde = tal<qint32>(billede, 4);
    const qint32 hoejde = tal<qint32>(billede, 8) / 2;
    if (hoved < 40 || tal<quint16>(billede, 14) != 32 || tal<quint32>(billede, 16) != 0 ||
        bredde <= 0 || bredde > hoejstSide || hoejde <= 0 || hoejde > hoejstSide ||
        billede.size() < hoved + qsizetype(bredde) * hoejde * 4)
        return {};
    QImage ud(bredde, hoejde, QImage::Format_ARGB32);
    for (int y = 0; y < hoejde; ++y) {
        const char* linje = billede.constData() + hoved + qsizetype(hoejde - 1 - y) * bredde * 4;
        memcpy(ud.scanLine(y), linje, size_t(bredde) * 4);
    }
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
        ud = ud.rgbSwapped();
    return ud;
}

} // namespace

namespace Ikonlaeser {

QIcon laes(const QByteArray& data)
{
    if (data.size() < 6 || tal<quint16>(data, 0) != 0 || tal<quint16>(data, 2) != 1)
        return {};
    const int antal = tal<quint16>(data, 4);
    if (antal == 0 || antal > hoejstBilleder || data.size() < 6 + 16 * antal)
        return {};
    QIcon ikon;
    for (int i = 0; i < antal; ++i) {
        const qsizetype post = 6 + 16 * i;
        const quint32 stoerrelse = tal<quint32>(data, post + 8);
        const quint32 sted = tal<quint32>(data, post + 12);
        if (sted > quint64(data.size()) || stoerrelse > quint64(data.size()) - sted)
            return {};
        const QByteArray billede = data.sliced(sted, stoerrelse);
        const QImage b = billede.startsWith("\x89PNG\r\n\x1a\n") ? png(billede) : bgra(billede);
        if (b.isNull())
            return {};
        ikon.addPixmap(QPixmap::fromImage(b));
    }
    return ikon;
}

} // namespace Ikonlaeser
