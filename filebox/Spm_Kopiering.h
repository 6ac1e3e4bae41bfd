#pragma once

#include <QDialog>

class Tkopieringsform : public QDialog
{
    Q_OBJECT
public:
    explicit Tkopieringsform(QWidget* parent = nullptr);
};
