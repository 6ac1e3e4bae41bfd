#pragma once

#include <QString>

// The user's start-up folder, made when it is missing, as a fresh account
// has none until something is put there. Only a folder inside the user's
// home is made (new levels readable by the user alone, as the XDG rule says),
// so another user's folder is never laid out. True when the folder exists.
bool sikrStartupmappe(const QString& mappe, const QString& hjem);
