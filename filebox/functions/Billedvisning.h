#pragma once

#include <QSize>
#include <QString>

// The picture window as the file box's logic shows a picture in it.
class Billedvisning
{
public:
    virtual ~Billedvisning() = default;
    // False when the file is no picture the window reads; the picture shown stays.
    virtual bool hentBillede(const QString& filnavn) = 0;
    // The picture's own size, also when it is shown scaled down.
    virtual QSize billedstoerrelse() const = 0;
    // Panels: 0 "Bredde", 1 width, 2 "Højde", 3 height, 4 "Navn", 5 the file name.
    virtual void setPanel(int i, const QString& tekst) = 0;
    // Shows the window over the others.
    virtual void vis() = 0;
};
