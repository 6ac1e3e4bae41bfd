#include "functions/Stinavn.h"

#include "Navnetekst.h"

#include <QUrl>

namespace Stinavn {

QString tekst(const std::string& bytes)
{
    QString ud(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    ud.resize(static_cast<qsizetype>(
        Navnetekst::tilTekst(bytes, reinterpret_cast<char16_t*>(ud.data()))));
    return ud;
}

std::string bytes(const QString& tekst)
{
    return Navnetekst::tilBytes(
        {reinterpret_cast<const char16_t*>(tekst.utf16()), static_cast<std::size_t>(tekst.size())});
}

namespace {

// Whether the unit at i stands for a byte: a low half that follows a high one is half of a
// character.
bool erByteVed(const QString& t, qsizetype i)
{
    return Navnetekst::erByte(t.at(i).unicode()) && (i == 0 || !t.at(i - 1).isHighSurrogate());
}

} // namespace

QString vist(const QString& tekst)
{
    QString ud = tekst;
    for (qsizetype i = 0; i < ud.size(); ++i) {
        const char16_t u = ud.at(i).unicode();
        if (u == u'\n' || u == u'\r')
            ud[i] = QChar(0x21B5);
        else if (erByteVed(tekst, i) || u < 0x20 || u == 0x7F)
            ud[i] = QChar(0xFFFD);
    }
    return ud;
}

bool erTekst(const QString& tekst)
{
    for (qsizetype i = 0; i < tekst.size(); ++i)
        if (erByteVed(tekst, i))
            return false;
    return true;
}

QUrl url(const QString& sti)
{
    return QUrl::fromEncoded("file://" +
                             QByteArray::fromStdString(bytes(sti)).toPercentEncoding("/"));
}

QString fraUrl(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    return tekst(
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
}

} // namespace Stinavn
