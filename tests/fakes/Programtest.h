#pragma once

#include "FakePlatform.h"
#include "Program.h"
#include "SkriptedeBeskeder.h"
#include "Testmappe.h"
#include "main.h"

#include <QAbstractItemView>
#include <QAction>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The whole program on the fake platform in a temporary base folder, with
// scripted messages; a test lays out the user's files, then starts it.
class Programtest : public ::testing::Test
{
protected:
    Programtest() : platform(mappe.sti("Tavlum").toStdString()) {}
    ~Programtest() override
    {
        if (program)
            program->mainform->hide();
    }

    QString bruger(const QString& relativ) const
    {
        return mappe.sti("Tavlum/Brugere/kontor/" + relativ);
    }
    void skrivBruger(const QString& relativ, const QStringList& linjer)
    {
        mappe.skrivLinjer("Tavlum/Brugere/kontor/" + relativ, linjer);
    }
    QStringList laesBruger(const QString& relativ) const
    {
        return mappe.laesLinjer("Tavlum/Brugere/kontor/" + relativ);
    }
    // Options naming the active group, the rest at their defaults.
    void skrivOptions(const QString& gruppenavn)
    {
        Options o;
        o.gruppenavn = gruppenavn;
        o.initDir = "/tmp";
        skrivBruger("options.txt", o.tilLinjer());
    }
    // A group of real files, listed in "programgrupper.txt" when `iListen`.
    void skrivGruppe(const QString& navn, const QStringList& tekster)
    {
        QStringList filer;
        for (const QString& t : tekster)
            filer << mappe.skriv("elementer/" + t + ".txt", "x");
        skrivBruger("Filer/" + navn + ".txt", filer);
        skrivBruger("Filer/" + navn + "tekst.txt", tekster);
    }

    // Starts with these groups listed, each of three elements, and one of them active.
    Tmainform& startMed(const QStringList& grupper, const QString& aktiv)
    {
        skrivBruger("programgrupper.txt", grupper);
        for (const QString& g : grupper)
            skrivGruppe(g, {g + "1", g + "2", g + "3"});
        skrivOptions(aktiv);
        return start();
    }

    Tmainform& start()
    {
        program = std::make_unique<Program>(platform, &beskeder);
        program->start();
        [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !program->mainform->opstart(); }, 5000));
        }();
        return *program->mainform;
    }

    // A part of a window found by its object name, as the user's tools find it.
    template <class T> static T* del(const QObject& vindue, const char* navn)
    {
        T* fundet = vindue.findChild<T*>(QLatin1String(navn));
        EXPECT_NE(fundet, nullptr) << navn;
        return fundet;
    }
    // The main window's panel of elements.
    static QListView* programBoks(const QObject& main)
    {
        return del<QListView>(main, "programBoks");
    }

    // The rows of a list of elements, as a user sees and picks them.
    static int antal(const QAbstractItemView* liste) { return liste->model()->rowCount(); }
    static QModelIndex raekke(const QAbstractItemView* liste, int i)
    {
        return liste->model()->index(i, 0);
    }
    static QString tekst(const QAbstractItemView* liste, int i)
    {
        return raekke(liste, i).data().toString();
    }
    static QStringList tekster(const QAbstractItemView* liste)
    {
        QStringList ud;
        for (int i = 0; i < antal(liste); ++i)
            ud << tekst(liste, i);
        return ud;
    }
    static QRect sted(const QAbstractItemView* liste, int i)
    {
        return liste->visualRect(raekke(liste, i));
    }
    static void vaelg(QAbstractItemView* liste, int i) { liste->setCurrentIndex(raekke(liste, i)); }

    Testmappe mappe;
    FakePlatform platform;
    SkriptedeBeskeder beskeder;
    std::unique_ptr<Program> program;
};
