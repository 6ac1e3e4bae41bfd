#pragma once

#include <QWidget>

class Tfilinfoform : public QWidget
{
    Q_OBJECT
public:
    explicit Tfilinfoform(QWidget* parent = nullptr);
};
