#pragma once

#include <QWidget>

class Topenfilform : public QWidget
{
    Q_OBJECT
public:
    explicit Topenfilform(QWidget* parent = nullptr);
};
