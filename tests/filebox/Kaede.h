#pragma once

#include "FakePlatform.h"
#include "Filliste.h"
#include "SkriptedeBeskeder.h"
#include "Testmappe.h"
#include "functions/Handlinger.h"

#include <QDir>
#include <gtest/gtest.h>

// The file box's logic on its own, with a file list and a temporary folder.
class Kaede : public ::testing::Test
{
protected:
    Kaede() : platform(mappe.sti("Tavlum").toStdString()), funk(platform, beskeder)
    {
        funk.Struktur2 = &liste;
        funk.onDirectoryChange = [this](const QString&, const QString&, const QString& g,
                                        const QString& n) { skift << g + u'|' + n; };
    }

    QString mkdir(const QString& relativ) const
    {
        QDir().mkpath(mappe.sti(relativ));
        return mappe.sti(relativ);
    }
    QStringList tekster() const
    {
        QStringList ud;
        for (const Filnode& n : liste.noder().noder())
            ud << n.tekst;
        return ud;
    }
    QString valgtTekst() const
    {
        const int i = liste.valgt();
        return i < 0 ? QString() : liste.noder().noder().at(static_cast<std::size_t>(i)).tekst;
    }

    Testmappe mappe;
    FakePlatform platform;
    SkriptedeBeskeder beskeder;
    Filliste liste;
    THandlinger funk;
    QStringList skift;
};
