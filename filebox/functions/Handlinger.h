#pragma once

#include "functions/FilMappeInfo.h"

// The file operations: copy, cut, paste, delete, rename, new folder, selection.
class THandlinger : public TFilMappeInfo
{
    Q_OBJECT
public:
    using TFilMappeInfo::TFilMappeInfo;
};
