#pragma once

#include <QList>
#include <memory>

class QWidget;

class Beskeder;
class Platform;
class Tmainform;
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

// The fifteen windows, each made once in this order: every later window reads
// the main window's folders, groups and saved places while it is made.
class Program
{
public:
    // `beskeder` replaces the message and question boxes (tests script the answers).
    explicit Program(Platform& platform, Beskeder* beskeder = nullptr);
    ~Program();

    // Shows the main window; its first showing and activation follow.
    void start();

    // All fifteen windows in the order they were made.
    QList<QWidget*> vinduer() const;

    std::unique_ptr<Tmainform> mainform;
    std::unique_ptr<Tboksform> boksform;
    std::unique_ptr<Tegenskabsform> egenskabsform;
    std::unique_ptr<Tinfoform> infoform;
    std::unique_ptr<Turlform> urlform;
    std::unique_ptr<TomForm> omForm;
    std::unique_ptr<TwaForm> waForm;
    std::unique_ptr<Tprogressform> progressform;
    std::unique_ptr<TfileExistsForm> fileExistsForm;
    std::unique_ptr<Tkopieringsform> kopieringsform;
    std::unique_ptr<Tbilledform> billedform;
    std::unique_ptr<Topenfilform> openfilform;
    std::unique_ptr<Tfilinfoform> filinfoform;
    std::unique_ptr<Tinfform> infform;
    std::unique_ptr<Tspform> spform;

private:
    std::unique_ptr<Beskeder> m_boksBeskeder;
};
