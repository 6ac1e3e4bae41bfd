#pragma once

#include "functions/SearchHandlinger.h"

// The consent questions asked before a file operation.
class TSpm : public TSearchHandlinger
{
    Q_OBJECT
public:
    using TSearchHandlinger::TSearchHandlinger;
};
