#pragma once

#include "Operationsvindue.h"
#include "functions/Dialoger.h"

#include <QList>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// "Hvad skal der gøres": files of the same names exist where a paste goes.
class TfileExistsForm : public Operationsvindue, public FilFindes
{
    Q_OBJECT
public:
    explicit TfileExistsForm(QWidget* hovedvindue);

    std::optional<Valg> vaelg(const QList<Konflikt>& filer) override;

    QLabel* filinfoLabel = nullptr;
    QListWidget* fileBox = nullptr;
    QGroupBox* resultBox = nullptr;
    QButtonGroup* resultValg = nullptr;
    QPushButton* okButton = nullptr;
};
