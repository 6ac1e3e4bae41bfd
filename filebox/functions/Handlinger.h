#pragma once

#include "functions/FilMappeInfo.h"

// The file operations: copy, cut, paste, delete, rename, new folder, selection.
class THandlinger : public TFilMappeInfo
{
    Q_OBJECT
public:
    using TFilMappeInfo::TFilMappeInfo;

    // Writes a play list page of the selected entries into Grundmappe under the
    // first free name and selects it; false when nothing was written.
    bool SkrivTekstfil(const QString& aFilename, int aFiltype);
};
