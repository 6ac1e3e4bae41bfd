#pragma once

#include "Options.h"

#include <QString>
#include <QStringList>

class Beskeder;
struct DataMapper;
class Elementmodel;
class Filvagt;
class Globalgenvej;
class Grupper;
class Platform;
class QComboBox;
class QDate;
class Sikkerhedskopi;
class QWidget;
class TReopenFiler;

// What the other windows need of the main window: its messages, platform,
// folders, options and groups, and the few things it does for them. The main
// window implements this; the other windows know it only through here.
class Hub
{
public:
    virtual ~Hub() = default;

    // The message and question boxes, made by the first message.
    virtual Beskeder& beskeder() const = 0;
    virtual Platform& platform() const = 0;
    // The user's folders, fixed for the whole run.
    virtual const DataMapper& mapper() const = 0;
    virtual const Options& indstillinger() const = 0;
    // The group list, the storage list and the active group, shared with the group window.
    virtual Grupper& grupperne() = 0;
    // The active group's elements, as the panel shows them.
    virtual Elementmodel& elementmodel() = 0;
    // The recent folders, shown in the file box's menu too.
    virtual TReopenFiler& senesteMapper() = 0;
    // The global key, made at start when it is on, else when first asked for.
    virtual Globalgenvej& globalgenvej() = 0;
    // The main window itself, for placing a window over it.
    virtual QWidget& hovedvindue() = 0;

    // Reads a list of at most `hoejst` bytes; a file that cannot be read is an
    // empty list, named in the next visUlaeselige.
    virtual QStringList hentListe(const QString& filnavn, qint64 hoejst) = 0;
    virtual Filvagt& filvagt() = 0;
    // The files found unreadable since the last time, in one message.
    virtual void visUlaeselige() = 0;
    // Saves a list, telling the user in Danish when the file could not be written.
    virtual bool gemListe(const QString& filnavn, const QStringList& linjer) = 0;
    // Saves the active group's two files the same way.
    virtual bool gemAktivGruppe() = 0;

    // The day's copies of the data files, kept before each change.
    virtual Sikkerhedskopi& sikkerhedskopi() = 0;
    // Puts a day's copies back and reads the options, the groups and the
    // active group again; false (and told) when they could not be put back.
    virtual bool gendanData(const QDate& dag) = 0;

    // The active group into the views; into the group window's list too when `beggeBokse`.
    virtual void LoadProgramBoks(bool beggeBokse) = 0;
    // Adds an element to the active group; an empty text is made from the file name.
    virtual void insertItem(const QString& fName, QString Tekst, bool beggeBokse) = 0;
    // Sets which actions can run now.
    virtual void opdaterAktioner() = 0;
    // The window caption and the report view's column heading.
    virtual void setOverskrift(const QString& navn) = 0;
    // The open dialog for an element's file; empty when cancelled.
    virtual QString vaelgElementfil() = 0;
    // Shows a file's icon in the group window's picture; `valgt` when the user just picked it.
    virtual void PutInIkonliste(const QString& FNavn, bool valgt) = 0;
    // Shows the group window when hidden, leaving the keyboard where it is.
    virtual void visAdministration() = 0;

    // The panel's look and the toolbar, as the properties window sets them.
    virtual void setVisning(Options::Visning visning) = 0;
    virtual void setSkriftstoerrelse(int punkter) = 0;
    virtual void setRedskabslinje(bool vis) = 0;
    virtual void setRedskabslinjePlacering(Options::Placering placering) = 0;
    // The panel's place now, kept as the one it returns to from the menu view.
    virtual void huskPanelplads() = 0;
    virtual void skiftDesign(const QString& navn) = 0;
    // Fills a design box with every design and selects the one in force.
    virtual void loadDesign(QComboBox* designBox) const = 0;

    // The help viewer at a topic.
    virtual void HelpInfo(const QString& S) = 0;
    // The about box, centred on `over`.
    virtual void visOmProgrammet(const QWidget* over) = 0;
    // Runs one of the applet scripts.
    virtual void runApplets(const QString& aFilename) = 0;
    // The Danish message for a failed shell call's error number.
    virtual void ErrorInfo(unsigned Nr) = 0;
};
