#include "BoksBeskeder.h"

#include "infUnit.h"
#include "spmUnit.h"

void BoksBeskeder::besked(const QString& tekst)
{
    m_infform.insertTekst(tekst);
    m_infform.ShowModal();
}

bool BoksBeskeder::spoerg(const QString& tekst)
{
    m_spform.insertTekst(tekst);
    return m_spform.ShowModal() == 1;
}
