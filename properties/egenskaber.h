#pragma once

#include <QWidget>

class Tegenskabsform : public QWidget
{
    Q_OBJECT
public:
    explicit Tegenskabsform(QWidget* parent = nullptr);
};
