#pragma once

#include "BeskedVindue.h"

class QPushButton;

// The question box: "Ja" has the focus, so Enter answers yes; "Nej", Esc and
// the close box answer no.
class Tspform : public BeskedVindue
{
    Q_OBJECT
public:
    explicit Tspform(QWidget* parent = nullptr);
    QPushButton* annullerButton = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};
