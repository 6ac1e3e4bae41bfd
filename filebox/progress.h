#pragma once

#include <QDialog>

class Tprogressform : public QDialog
{
    Q_OBJECT
public:
    explicit Tprogressform(QWidget* parent = nullptr);
};
