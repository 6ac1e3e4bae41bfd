#include "spmUnit.h"

#include <QHBoxLayout>
#include <QPushButton>

Tspform::Tspform(QWidget* parent) : BeskedVindue(QStringLiteral("Spørgsmål"), 11, parent)
{
    // "Ja" is made first so that it comes first in the tab order and has the focus.
    BitBtn1 = new QPushButton(QStringLiteral("Ja"), this);
    setKnapbillede(BitBtn1, QStringLiteral("ja"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    annullerButton = new QPushButton(QStringLiteral("Nej"), this);
    annullerButton->setObjectName(QStringLiteral("annullerButton"));
    annullerButton->setAutoDefault(false);
    knapRaekke()->addSpacing(56 - 16);
    knapRaekke()->addWidget(annullerButton, 1);
    knapRaekke()->addWidget(BitBtn1, 1);
    knapRaekke()->addSpacing(56 - 16);
    connect(annullerButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void Tspform::showEvent(QShowEvent* event)
{
    BeskedVindue::showEvent(event);
    BitBtn1->setFocus();
}
