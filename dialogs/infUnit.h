#pragma once

#include "BeskedVindue.h"

class QPushButton;

// The message box: one "OK" button, which Enter and the close box also answer.
class Tinfform : public BeskedVindue
{
    Q_OBJECT
public:
    explicit Tinfform(QWidget* parent = nullptr);
    QPushButton* BitBtn1 = nullptr;
};
