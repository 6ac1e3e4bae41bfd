#pragma once

#include "Vinduer.h"

#include <QWidget>

// "Tavlum information": the help viewer.
class Tinfoform : public QWidget, public Hjaelpevindue
{
    Q_OBJECT
public:
    explicit Tinfoform(QWidget* parent = nullptr);

    bool opstart() const override { return m_opstart; }
    void hentStruktur() override;
    void goToInfo(const QString& emne) override;

private:
    bool m_opstart = true;
};
