#pragma once

#include "functions/Information.h"

// Opens, resets and closes the progress window around an operation.
class TPrehandlinger : public TInformation
{
    Q_OBJECT
public:
    using TInformation::TInformation;

    void initInfo(bool kopiering);
    void endInfo();
    // Shows the progress window with the hourglass; count is the folders selected.
    void startKopiering(int count);
    void slutKopiering();
    void startSletning();
    void slutSletning();
    // The single file's bar and the overall one, after each chunk the platform copied.
    void CopyCallback(qint64 transferred, qint64 total);
};
