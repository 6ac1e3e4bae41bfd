#include "Spm_FileExists.h"

#include "Knapper.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfileExistsForm::TfileExistsForm(QWidget* hovedvindue)
    : Operationsvindue(QStringLiteral("Hvad skal der gøres"), hovedvindue)
{
    setObjectName(QStringLiteral("fileExistsForm"));
    setMinimumSize(379, 313);
    filinfoLabel = new QLabel(QStringLiteral("Der eksisterer 14 filer med samme navn"));
    fileBox = new QListWidget;
    fileBox->setAccessibleName(QStringLiteral("Filer med samme navn"));
    fileBox->setSelectionMode(QAbstractItemView::NoSelection);
    resultBox = new QGroupBox(QStringLiteral("Handling"));
    resultValg = new QButtonGroup(this);
    auto* valgLag = new QVBoxLayout(resultBox);
    const QStringList valg = {QStringLiteral("Overskriv ingen"), QStringLiteral("Overskriv alle"),
                              QStringLiteral("Spørg hver gang"), QStringLiteral("Opret kopier"),
                              QStringLiteral("Overskriv, hvis nyere")};
    for (int i = 0; i < valg.size(); ++i) {
        auto* knap = new QRadioButton(valg.at(i), resultBox);
        resultValg->addButton(knap, i);
        valgLag->addWidget(knap);
    }
    resultValg->button(OverskrivIngen)->setChecked(true);
    okButton = knap(QStringLiteral("okButton"), QStringLiteral("Forsæt"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* knapper = new QHBoxLayout;
    knapper->addStretch(1);
    knapper->addWidget(okButton);
    auto* lag = new QVBoxLayout(this);
    lag->addWidget(filinfoLabel);
    lag->addWidget(fileBox, 1);
    lag->addWidget(resultBox);
    lag->addLayout(knapper);
}

std::optional<FilFindes::Valg> TfileExistsForm::vaelg(const QList<Konflikt>& filer)
{
    fileBox->clear();
    for (const Konflikt& k : filer) {
        auto* punkt = new QListWidgetItem(k.navn + u'\n' + k.linjer().join(u'\n'), fileBox);
        punkt->setData(Qt::AccessibleTextRole,
                       k.navn + QStringLiteral(": ") + k.linjer().join(QStringLiteral(", ")));
    }
    const auto antal = filer.size();
    filinfoLabel->setText(QStringLiteral("Der eksisterer ") + QString::number(antal) +
                          (antal == 1 ? QStringLiteral(" fil med samme navn.")
                                      : QStringLiteral(" filer med samme navn.")));
    // The choice of last time stays chosen.
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return static_cast<Valg>(resultValg->checkedId());
}
