#pragma once

#include "Beskeder.h"

class Tinfform;
class Tspform;

// Messages and questions through the program's own two boxes.
class BoksBeskeder : public Beskeder
{
public:
    BoksBeskeder(Tinfform& infform, Tspform& spform) : m_infform(infform), m_spform(spform) {}
    void besked(const QString& tekst) override;
    bool spoerg(const QString& tekst) override;

private:
    Tinfform& m_infform;
    Tspform& m_spform;
};
