#pragma once

#include <QWidget>

class TwaForm : public QWidget
{
    Q_OBJECT
public:
    explicit TwaForm(QWidget* parent = nullptr);
};
