#pragma once

#include "functions/Grundfunktioner.h"

// Search entries (kind 5), which the file list does not show.
class TSearchHandlinger : public TGrundfunktioner
{
    Q_OBJECT
public:
    using TGrundfunktioner::TGrundfunktioner;
};
