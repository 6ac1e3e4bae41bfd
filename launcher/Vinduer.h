#pragma once

#include <QString>

class Beskeder;
class QWidget;
class QIcon;

// What the main window needs of the group administration window; that window
// works on the main window's group state and implements this.
class Gruppevindue
{
public:
    virtual ~Gruppevindue() = default;
    virtual QWidget* vindue() = 0;
    // Makes group `index` of the group list the active one; outside the list nothing happens.
    virtual void SkiftGruppe(int index) = 0;
    // Moves an element of the active group and saves both files.
    virtual void MoveProgram(int fra, int til) = 0;
    // Index of the selected entry of the group list; -1 for none.
    virtual int valgtGruppe() const = 0;
    // Shows the window on the given page, or on the page it was last on for -1.
    virtual void visSide(int side) = 0;
    // The window active, with the keyboard in the field for a new group's name.
    virtual void fokuserGruppenavn() = 0;
    // Writes the active group's name into its fields; its element list shows
    // the main window's elements.
    virtual void visGruppenavn(const QString& gruppenavn) = 0;
    // Shows an element's full file name in the status bar while the window is shown.
    virtual void visElementSti(const QString& sti) = 0;
    // Shows a chosen file's icon on the page that puts elements in.
    virtual void visIkon(const QIcon& ikon) = 0;
    // After the main window deleted an element.
    virtual void elementSlettet() = 0;
    // Saves the storage tab when it holds unsaved changes; true when it did.
    virtual bool gemVentendeLager() = 0;
    // The light or the dark pictures, as the design is.
    virtual void setBilleder(bool moerk) = 0;
    // A file chosen in the main window, on the page that puts elements in.
    virtual void visValgtFil(const QString& fil) = 0;
    // The group lists read again from the main window's (after a restore);
    // pending storage changes are dropped.
    virtual void genfyldLister() = 0;
};

// What the main window needs of the properties window.
class Egenskabsvindue
{
public:
    virtual ~Egenskabsvindue() = default;
    virtual QWidget* vindue() = 0;
    // "Minimer til system bakken" and "Minimer ved opstart", read at the first showing.
    virtual bool trayValgt() const = 0;
    virtual bool minimerValgt() const = 0;
    // Saves the start settings changed and not saved yet, without a question.
    virtual void gemVentende() = 0;
    // The light or the dark pictures, as the design is.
    virtual void setBilleder(bool moerk) = 0;
};

// What the main window needs of the information viewer.
class Hjaelpevindue
{
public:
    virtual ~Hjaelpevindue() = default;
    // True until the help structure has been loaded once.
    virtual bool opstart() const = 0;
    virtual void hentStruktur() = 0;
    // Shows the viewer at the topic; false when the tree has no such topic.
    virtual bool goToInfo(const QString& emne) = 0;
    // The pictures and the pages' look, light or dark, as the design is.
    virtual void setBilleder(bool moerk) = 0;
};

// What the main window needs of the file box.
class Filboksvindue
{
public:
    virtual ~Filboksvindue() = default;
    virtual QWidget* vindue() = 0;
    // Lists a folder and records it in the folder history; a missing folder changes nothing.
    virtual void visMappe(const QString& mappe) = 0;
    // The light or the dark pictures, as the design is.
    virtual void setBilleder(bool moerk) = 0;
};

// The other fourteen windows, as the main window reaches them. Each is made the
// first time it is asked for, after the windows it builds on, so that a start
// makes only what the first window needs.
class Vinduer
{
public:
    virtual ~Vinduer() = default;
    virtual Gruppevindue& boks() = 0;
    // The group window when it has been made; null before. Made later, it shows
    // the groups and the active group as the main window has them then.
    virtual Gruppevindue* lavetBoks() = 0;
    virtual Egenskabsvindue& egenskaber() = 0;
    virtual Egenskabsvindue* lavetEgenskaber() = 0;
    // "Minimer til system bakken" and "Minimer ved opstart", as the properties
    // window has them or will have them when it is made.
    virtual bool trayValgt() = 0;
    virtual bool minimerValgt() = 0;
    virtual Hjaelpevindue& info() = 0;
    virtual Hjaelpevindue* lavetInfo() = 0;
    // The about box, centred on `over`.
    virtual void visOm(const QWidget* over) = 0;
    virtual QWidget& applets() = 0;
    virtual Filboksvindue& filboks() = 0;
    virtual Filboksvindue* lavetFilboks() = 0;
    // The message and question boxes, or what stands in for them in a test.
    virtual Beskeder& beskeder() = 0;
};
