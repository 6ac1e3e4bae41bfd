#include "TekstBrowser.h"

std::unique_ptr<Browser> Browser::lav(QWidget* parent, bool, QString*)
{
    return std::make_unique<TekstBrowser>(parent);
}
