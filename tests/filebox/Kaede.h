#pragma once

#include "FakePlatform.h"
#include "Filliste.h"
#include "Operationsfakes.h"
#include "SkriptedeBeskeder.h"
#include "Testmappe.h"
#include "functions/Handlinger.h"

#include <QDir>
#include <gtest/gtest.h>

// Points the desktop's recycle bin at a folder of the test's own while it lives.
class EgenPapirkurv
{
public:
    explicit EgenPapirkurv(const QString& data) : m_gammel(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    }
    ~EgenPapirkurv() { qputenv("XDG_DATA_HOME", m_gammel); }
    EgenPapirkurv(const EgenPapirkurv&) = delete;
    EgenPapirkurv& operator=(const EgenPapirkurv&) = delete;

private:
    QByteArray m_gammel;
};

// The file box's logic on its own, with a file list and a temporary folder.
class Kaede : public ::testing::Test
{
protected:
    Kaede() : platform(mappe.sti("Tavlum").toStdString()), funk(platform, beskeder)
    {
        funk.Struktur2 = &liste;
        funk.Kopieringsvindue = &bekraeftelse;
        funk.Progressvindue = &fremdrift;
        funk.Findesvindue = &findes;
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
        for (int i = 0; i < liste.antal(); ++i)
            ud << liste.noder().tekst(i);
        return ud;
    }
    // Selects the nodes of these texts, the first of them current.
    void marker(const QStringList& navne)
    {
        liste.vaelg(-1);
        for (int i = 0; i < liste.antal(); ++i) {
            if (!navne.contains(liste.noder().tekst(i)))
                continue;
            const QModelIndex index = liste.noder().index(i);
            const auto maade =
                (liste.selectionModel()->hasSelection() ? QItemSelectionModel::Select
                                                        : QItemSelectionModel::ClearAndSelect) |
                QItemSelectionModel::Rows;
            if (!liste.selectionModel()->hasSelection())
                liste.selectionModel()->setCurrentIndex(index, maade);
            else
                liste.selectionModel()->select(index, maade);
        }
        funk.infoStruktur2();
    }
    QString valgtTekst() const
    {
        const int i = liste.valgt();
        return i < 0 ? QString() : liste.noder().tekst(i);
    }

    Testmappe mappe;
    FakePlatform platform;
    SkriptedeBeskeder beskeder;
    FakeBekraeftelse bekraeftelse;
    FakeFremdrift fremdrift;
    FakeFilFindes findes;
    THandlinger funk;
    Filliste liste{funk.noder()};
    QStringList skift;
};
