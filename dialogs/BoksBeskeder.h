#pragma once

#include "Beskeder.h"

class Tinfform;
class Tspform;

// Messages and questions through the program's own two boxes; files through
// the toolkit's open dialog.
class BoksBeskeder : public Beskeder
{
public:
    BoksBeskeder(Tinfform& infform, Tspform& spform) : m_infform(infform), m_spform(spform) {}
    void besked(const QString& tekst) override;
    bool spoerg(const QString& tekst) override;
    QString aabenFil(const QString& mappe) override;

private:
    Tinfform& m_infform;
    Tspform& m_spform;
};
