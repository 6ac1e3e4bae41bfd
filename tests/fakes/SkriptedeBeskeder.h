#pragma once

#include "Beskeder.h"

#include <QStringList>
#include <deque>

// Records every message, question and file choice and answers them as the
// test asks; an unscripted question is answered "Nej".
class SkriptedeBeskeder : public Beskeder
{
public:
    void besked(const QString& tekst) override { beskeder.append(tekst); }
    bool spoerg(const QString& tekst) override
    {
        spoergsmaal.append(tekst);
        if (svar.empty())
            return false;
        const bool ja = svar.front();
        svar.pop_front();
        return ja;
    }
    void setNextAnswer(bool ja) { svar.push_back(ja); }
    // The next file chosen; an unscripted choice is cancelled.
    QString aabenFil(const QString& mappe) override
    {
        mapper.append(mappe);
        return filer.isEmpty() ? QString() : filer.takeFirst();
    }

    QStringList beskeder;
    QStringList spoergsmaal;
    std::deque<bool> svar;
    QStringList filer;
    QStringList mapper;
};
