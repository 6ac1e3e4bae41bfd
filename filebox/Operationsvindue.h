#pragma once

#include <QDialog>
#include <QPointer>

// The file operations' windows: on top of the others, and centred on the main
// window each time they are shown. They are made once and only hidden.
class Operationsvindue : public QDialog
{
    Q_OBJECT
public:
    Operationsvindue(const QString& caption, QWidget* hovedvindue);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> m_hovedvindue;
};
