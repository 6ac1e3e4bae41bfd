#include "BoksBeskeder.h"

#include "infUnit.h"
#include "spmUnit.h"

#include <QApplication>
#include <QFileDialog>

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

QString BoksBeskeder::aabenFil(const QString& mappe)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Åbn"), mappe);
}
