#pragma once

#include "functions/Information.h"

// Opening, resetting and closing the progress window.
class TPrehandlinger : public TInformation
{
    Q_OBJECT
public:
    using TInformation::TInformation;
};
