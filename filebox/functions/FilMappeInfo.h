#pragma once

#include "functions/Prehandlinger.h"

// Filling the information window of a file, a folder or a drive.
class TFilMappeInfo : public TPrehandlinger
{
    Q_OBJECT
public:
    using TPrehandlinger::TPrehandlinger;
};
