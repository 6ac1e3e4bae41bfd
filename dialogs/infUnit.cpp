#include "infUnit.h"

#include <QHBoxLayout>
#include <QPushButton>

Tinfform::Tinfform(QWidget* parent) : BeskedVindue(QStringLiteral("Information"), 13, parent)
{
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    setKnapbillede(BitBtn1, QStringLiteral("ok"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setDefault(true);
    knapRaekke()->addSpacing(100 - 16);
    knapRaekke()->addWidget(BitBtn1, 1);
    knapRaekke()->addSpacing(100 - 16);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}
