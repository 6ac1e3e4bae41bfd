#pragma once

#include <QString>
#include <string>

class QUrl;

// The file box's paths are text that turns back into the platform's bytes
// unchanged (Navnetekst): a name that is not UTF-8 can be listed, shown,
// entered, copied and renamed like any other. Only what is shown is changed.
namespace Stinavn {

QString tekst(const std::string& bytes);
std::string bytes(const QString& tekst);
// For the eye: a line break as "\u21B5", a byte that is no text and any other
// control character as "\uFFFD".
QString vist(const QString& tekst);
// Whether Qt's own file calls would reach the same file: no byte without text.
bool erTekst(const QString& tekst);
// A local file's address with every byte kept, and the path of one.
QUrl url(const QString& sti);
QString fraUrl(const QUrl& url);

} // namespace Stinavn
