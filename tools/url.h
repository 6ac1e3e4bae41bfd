#pragma once

#include <QWidget>

class Turlform : public QWidget
{
    Q_OBJECT
public:
    explicit Turlform(QWidget* parent = nullptr);
};
