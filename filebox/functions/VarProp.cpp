#include "functions/VarProp.h"

void TVarProp::fyrDirectoryChange() const
{
    if (onDirectoryChange)
        onDirectoryChange(Dirmappe, Bibmappe, Grundmappe, Filnavn);
}
