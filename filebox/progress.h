#pragma once

#include "Operationsvindue.h"
#include "functions/Dialoger.h"

#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QStatusBar;

// "Kopierer": the progress of a copy, move or deletion, shown while it runs.
class Tprogressform : public Operationsvindue, public Fremdrift
{
    Q_OBJECT
public:
    explicit Tprogressform(QWidget* hovedvindue);

    void setInfo(const QString& tekst) override;
    void setProcent(const QString& tekst) override;
    void setResterende(const QString& tekst) override;
    void setSletInfo(const QString& tekst) override;
    void setIndlaeste(const QString& tekst) override;
    int filProcent() const override;
    void setFilProcent(int procent) override;
    void setAlleProcent(int procent) override;
    void setAktiv(int maksimum, int position) override;
    void setAktivPosition(int position) override;
    void vis() override;
    void luk() override;
    void opdater() override;

    QLabel* LabelInfo = nullptr;
    QProgressBar* pBar = nullptr;
    QLabel* LabelProcent = nullptr;
    QLabel* LabelTekst = nullptr;
    QLabel* LabelResterende = nullptr;
    QProgressBar* pBarAll = nullptr;
    QProgressBar* pBarAktiv = nullptr;
    QStatusBar* infoBar = nullptr;
    QLabel* infoPanel1 = nullptr;
    QLabel* LabelSletInfo = nullptr;

private:
    QElapsedTimer m_malet;
};
