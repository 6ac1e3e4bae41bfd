#pragma once

#include "Vinduer.h"

#include <QList>
#include <memory>

class QWidget;

class Platform;
class Tmainform;
struct Egenskabsfil;
class Tboksform;
class Tegenskabsform;
class Tinfoform;
class Turlform;
class TomForm;
class TwaForm;
class Tprogressform;
class TfileExistsForm;
class Tkopieringsform;
class Tbilledform;
class Topenfilform;
class Tfilinfoform;
class Tinfform;
class Tspform;

// The fifteen windows, each made once. The main window comes first, as every
// later window reads its folders, groups and saved places while it is made.
// The others are made when first needed, in the order of their table among the
// ones made together (the help viewer with its URL box; the file box after its
// four operation and picture windows, then its information window; the message
// box before the question box).
class Program : public Vinduer
{
public:
    // `beskeder` replaces the message and question boxes (tests script the answers).
    explicit Program(Platform& platform, Beskeder* beskeder = nullptr);
    ~Program() override;

    // Shows the main window; its first showing and activation follow.
    void start();

    // All fifteen windows in the order of their table; the ones not yet made are made now.
    QList<QWidget*> vinduer();

    Gruppevindue& boks() override;
    Gruppevindue* lavetBoks() override;
    Egenskabsvindue& egenskaber() override;
    Egenskabsvindue* lavetEgenskaber() override;
    bool trayValgt() override;
    bool minimerValgt() override;
    Hjaelpevindue& info() override;
    Hjaelpevindue* lavetInfo() override;
    void visOm(const QWidget* over) override;
    QWidget& applets() override;
    Filboksvindue& filboks() override;
    Filboksvindue* lavetFilboks() override;
    Beskeder& beskeder() override;

    Tboksform& boksform();
    Tegenskabsform& egenskabsform();
    Tinfoform& infoform();
    Turlform& urlform();
    TomForm& omForm();
    TwaForm& waForm();
    Tprogressform& progressform();
    TfileExistsForm& fileExistsForm();
    Tkopieringsform& kopieringsform();
    Tbilledform& billedform();
    Topenfilform& openfilform();
    Tfilinfoform& filinfoform();
    Tinfform& infform();
    Tspform& spform();

    std::unique_ptr<Tmainform> mainform;

private:
    // The properties window's start choices, read from its file while it is not made.
    Egenskabsfil startvalg() const;
    void lavHjaelp();
    void lavFilboks();
    void lavBeskedbokse();

    Platform& m_platform;
    Beskeder* m_skriptede;
    std::unique_ptr<Tboksform> m_boksform;
    std::unique_ptr<Tegenskabsform> m_egenskabsform;
    std::unique_ptr<Tinfoform> m_infoform;
    std::unique_ptr<Turlform> m_urlform;
    std::unique_ptr<TomForm> m_omForm;
    std::unique_ptr<TwaForm> m_waForm;
    std::unique_ptr<Tprogressform> m_progressform;
    std::unique_ptr<TfileExistsForm> m_fileExistsForm;
    std::unique_ptr<Tkopieringsform> m_kopieringsform;
    std::unique_ptr<Tbilledform> m_billedform;
    std::unique_ptr<Topenfilform> m_openfilform;
    std::unique_ptr<Tfilinfoform> m_filinfoform;
    std::unique_ptr<Tinfform> m_infform;
    std::unique_ptr<Tspform> m_spform;
    std::unique_ptr<Beskeder> m_boksBeskeder;
};
