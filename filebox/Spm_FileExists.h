#pragma once

#include <QDialog>

class TfileExistsForm : public QDialog
{
    Q_OBJECT
public:
    explicit TfileExistsForm(QWidget* parent = nullptr);
};
