#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QStatusBar;

// "Billede": one picture, scaled to the window, with its size and name below.
class Tbilledform : public QWidget
{
    Q_OBJECT
public:
    explicit Tbilledform(QWidget* parent = nullptr);

    // False when the file is no picture the loader reads; the picture shown stays.
    bool hentBillede(const QString& filnavn);
    QSize billedstoerrelse() const { return m_billede.size(); }
    // Panels: 0 "Bredde", 1 width, 2 "Højde", 3 height, 4 "Navn", 5 the file name.
    void setPanel(int i, const QString& tekst);
    QString panel(int i) const;

    QWidget* Image = nullptr;
    QStatusBar* infobar = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage m_billede;
    QList<QLabel*> m_paneler;
};
