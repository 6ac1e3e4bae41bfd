#pragma once

#include <QLocale>

// Danish number texts for as long as a test runs.
class Dansk
{
public:
    Dansk() { QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark)); }
    ~Dansk() { QLocale::setDefault(m_foer); }

private:
    QLocale m_foer;
};
