#pragma once

#include "functions/Billedvisning.h"
#include "functions/MakeStrukturer.h"

// What a click, a double click, a rename or the picture command does to the file list.
class TGrundfunktioner : public TMakeStrukturer
{
    Q_OBJECT
public:
    using TMakeStrukturer::TMakeStrukturer;

    // The selection changed: Bibmappe and Filnavn follow it.
    void infoStruktur2();
    // Shows only the entries whose names hold the text; nothing is selected then.
    void filtrer(const QString& tekst);
    // "Viser 3 af 120 elementer." while a filter is set; empty otherwise.
    QString filterstatus() const;
    // Opens the selected entry: enters a folder, or makes a file the chosen one.
    // The folder then listed, the file's folder, or empty for a vanished file.
    QString udfoldFilDirectory();
    // Starts renaming the selected entry in place, or says why not.
    void editSelected();
    // Shows a picture in the picture window; false when it cannot be read.
    bool LoadPicture(const QString& fName);

    Billedvisning* Billedvindue = nullptr;
};
