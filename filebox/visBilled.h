#pragma once

#include "functions/Billedvisning.h"

#include <QImage>
#include <QImageReader>
#include <QWidget>
#include <optional>

class QLabel;
class QStatusBar;

// "Billede": one picture, scaled to the window, with its size and name below.
class Tbilledform : public QWidget, public Billedvisning
{
    Q_OBJECT
public:
    explicit Tbilledform(QWidget* parent = nullptr);

    // One too large for memory is read scaled down where its format allows
    // that, else not at all: its header alone is never trusted with memory.
    bool hentBillede(const QString& filnavn) override;
    QSize billedstoerrelse() const override { return m_stoerrelse; }
    // A picture read as the window shows it: nothing when the reader cannot
    // read it, or it is too large (see hentBillede).
    struct Laest
    {
        QImage billede;
        QSize stoerrelse; // its own, before any scaling
    };
    static std::optional<Laest> laes(QImageReader& laeser);
    // The most pixels each way a picture too large for memory is read scaled down to.
    static constexpr QSize hoejstVist{4096, 4096};
    // The most pixels a picture may have at all: more than any camera takes.
    static constexpr qint64 hoejstPixels = 128 * 1000 * 1000;
    void setPanel(int i, const QString& tekst) override;
    void vis() override;
    QString panel(int i) const;

    QWidget* Image = nullptr;
    QStatusBar* infobar = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage m_billede;
    QSize m_stoerrelse;
    QList<QLabel*> m_paneler;
};
