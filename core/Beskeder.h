#pragma once

#include <QString>

// The one way the program shows a message, asks a yes/no question or lets the
// user choose a file, so that the windows never open a modal box of their own
// and tests can script answers.
class Beskeder
{
public:
    virtual ~Beskeder() = default;

    // Shows the text and waits for "OK". A carriage return breaks the line.
    virtual void besked(const QString& tekst) = 0;

    // Asks the question; true only for "Ja".
    virtual bool spoerg(const QString& tekst) = 0;

    // Lets the user choose an existing file, starting in the folder `mappe`;
    // the file's full name, or empty when the user cancels.
    virtual QString aabenFil(const QString& mappe) = 0;
};
