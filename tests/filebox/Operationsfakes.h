#pragma once

#include "functions/Dialoger.h"

#include <deque>

// Answers the confirmations as scripted ("Ja" when nothing is) and keeps what they showed.
class FakeBekraeftelse : public Bekraeftelse
{
public:
    bool bekraeft(const Forespoergsel& f) override
    {
        vist.push_back(f);
        if (svar.empty())
            return true;
        const bool ja = svar.front();
        svar.pop_front();
        return ja;
    }
    std::vector<Forespoergsel> vist;
    std::deque<bool> svar;
};

// Keeps the last of every text and bar, and every overall percentage.
class FakeFremdrift : public Fremdrift
{
public:
    void setInfo(const QString& t) override { info = t; }
    void setProcent(const QString& t) override { procent = t; }
    void setResterende(const QString& t) override { resterende = t; }
    void setSletInfo(const QString& t) override { sletInfo = t; }
    void setIndlaeste(const QString& t) override { indlaeste = t; }
    int filProcent() const override { return fil; }
    void setFilProcent(int p) override
    {
        fil = p;
        filTrin.push_back(p);
    }
    void setAlleProcent(int p) override { alle.push_back(p); }
    void setAktiv(int, int) override {}
    void setAktivPosition(int) override {}
    void vis() override { synlig = true; }
    void luk() override { synlig = false; }
    void opdater() override {}

    QString info, procent, resterende, sletInfo, indlaeste;
    int fil = 0;
    std::vector<int> filTrin;
    std::vector<int> alle;
    bool synlig = false;
};

class FakeFilFindes : public FilFindes
{
public:
    std::optional<Valg> vaelg(const QList<Konflikt>& filer) override
    {
        konflikter = filer;
        navne.clear();
        for (const Konflikt& k : filer)
            navne << k.navn;
        return valg;
    }
    std::optional<Valg> valg;
    QStringList navne;
    QList<Konflikt> konflikter;
};
