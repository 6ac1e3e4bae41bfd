#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

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
    // launch makes the file's folder the current folder. A desktop entry or a
    // script the system does not trust runs only when the user says yes, and
    // is trusted from then on.
    // Parameters go to the shell as written; a start folder, when given, is the
    // folder the program starts in (and a script's current folder).
    void executeProg(const QString& text, const QString& parametre = {},
                     const QString& startmappe = {});
    // Every element in order, by the rules above; more than five only after a
    // question. Missing files are skipped and named in one message after. Each
    // element's parameters and start folder, where given, go with it.
    void startAlle(const QStringList& filer, const QStringList& tekster,
                   const QStringList& parametre = {}, const QStringList& startmapper = {});
    void runApplets(const QString& appletsDir, const QString& aFilename);
    void ErrorInfo(unsigned Nr);

    // The shell's answer to running `program` for the file `fil` (an element, or a file
    // the file box opens), with the
    // user's consent where it asks for it; a file allowed is marked trusted.
    int aabn(const QString& fil, const std::string& program, const std::string& param,
             const std::string& mappe);

    static QString fejltekst(unsigned Nr);
    // Why launching `fil` failed: the table's text, then the file.
    QString startfejl(unsigned Nr, const QString& fil) const;

    // An applet script ends with this status when the desktop has no settings
    // page for its subject, and prints the text that tells the user so.
    static constexpr int ingenSide = 3;

private:
    // What the user is asked before an untrusted script or desktop entry runs.
    QString utroetSpoergsmaal(const QString& fil, const std::string& program) const;

    Platform& m_platform;
    Beskeder& m_beskeder;
    // An applet script ends after a turn of the loop; by then this may be gone.
    std::shared_ptr<int> m_vagt = std::make_shared<int>();
};
