#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The about box, shown without waiting, centred on the window that asks for it.
class TomForm : public QDialog
{
    Q_OBJECT
public:
    explicit TomForm(QWidget* parent = nullptr);

    void visOver(const QWidget* vindue);
    void Button1Click();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
};
