#pragma once

#include "functions/Spm.h"

// Counting sizes, the summary line and the overall percentage of a file operation.
class TInformation : public TSpm
{
    Q_OBJECT
public:
    using TSpm::TSpm;
};
