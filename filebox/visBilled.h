#pragma once

#include <QWidget>

class Tbilledform : public QWidget
{
    Q_OBJECT
public:
    explicit Tbilledform(QWidget* parent = nullptr);
};
