#pragma once

#include <QString>

// The one way the program shows a message or asks a yes/no question, so that
// the windows never open a modal box of their own and tests can script answers.
class Beskeder
{
public:
    virtual ~Beskeder() = default;

    // Shows the text and waits for "OK". A carriage return breaks the line.
    virtual void besked(const QString& tekst) = 0;

    // Asks the question; true only for "Ja".
    virtual bool spoerg(const QString& tekst) = 0;
};
