#pragma once

#include "Genvejsfil.h"

#include <QString>

class Platform;
class QWidget;

// The global key that shows and hides the main window. Made at start when
// "genvej.txt" has it on, so the key works before any other window is made;
// the properties window changes it through here.
class Globalgenvej
{
public:
    // Takes the key at once when `valg` has it on.
    Globalgenvej(Platform& platform, QWidget& vindue, const Genvejsfil& valg);
    ~Globalgenvej();
    Globalgenvej(const Globalgenvej&) = delete;
    Globalgenvej& operator=(const Globalgenvej&) = delete;

    // The choice in force: as read at start, or as last set.
    const Genvejsfil& valg() const { return m_valg; }
    bool mulig() const;
    // Takes or lets go of the key as `valg` says. The choice is kept even when
    // the key cannot be had now, to be tried again at the next start.
    void saet(const Genvejsfil& valg);
    // Why the chosen key is not held, in Danish; empty when it is, or is not wanted.
    const QString& fejl() const { return m_fejl; }

    static QString ugyldig();
    static QString ikkeMulig();

private:
    void visEllerSkjul();

    Platform& m_platform;
    QWidget& m_vindue;
    Genvejsfil m_valg;
    QString m_fejl;
};
