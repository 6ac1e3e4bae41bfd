#pragma once

#include <QString>

class Beskeder;
class Platform;

// Hands element files and applet scripts to the shell and tells the user in
// Danish when the shell refuses.
class Starter
{
public:
    Starter(Platform& platform, Beskeder& beskeder) : m_platform(platform), m_beskeder(beskeder) {}

    // A ".bat" (or ".sh") script runs in a console that stays open, from its
    // own folder; every other file goes to the shell's "open". A successful
    // launch makes the file's folder the current folder.
    void executeProg(const QString& text);
    void runApplets(const QString& appletsDir, const QString& aFilename);
    void ErrorInfo(unsigned Nr);

    static QString fejltekst(unsigned Nr);

private:
    Platform& m_platform;
    Beskeder& m_beskeder;
};
