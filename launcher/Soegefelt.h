#pragma once

#include <QLineEdit>

// The field of find as you type. The keys that choose and start a result are
// passed on; the text stays the user's.
class Soegefelt : public QLineEdit
{
    Q_OBJECT
public:
    explicit Soegefelt(QWidget* parent = nullptr);

signals:
    // -1 up, +1 down.
    void flyt(int retning);
    void start();
    void luk();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
