// The main window's side of the file box: showing it and the recent folders.
#include "main.h"

void Tmainform::lavReopenDir()
{
    ReopenDir.Itemfile = m_mapper.reopenFilnavn;
    ReopenDir.vagt = &m_filvagt;
    ReopenDir.Itemtype = TReopenFiler::itBibliotek;
    ReopenDir.Filantal = 10;
    ReopenDir.ImageStartNr = 34;
    ReopenDir.MenuStartNr = 2;
    ReopenDir.MedMenuStreg = true;
    ReopenDir.DeleteItemCap = QStringLiteral("Slet listen");
    ReopenDir.DeleteItemHint = QStringLiteral("Start en ny liste");
    ReopenDir.OnKlik = [this](QAction* Sender, const QString& Filnavn) {
        ReopenDirKlik(Sender, Filnavn);
    };
}

void Tmainform::visFilboks()
{
    visVindue(m_vinduer->filboks().vindue());
}

void Tmainform::visVindue(QWidget* vindue)
{
    vindue->show();
    vindue->raise();
    vindue->activateWindow();
}

void Tmainform::visForrest()
{
    // Hidden to the tray or minimised, it comes back as it was left; the
    // strip of the menu view is this window too.
    if (isHidden() || isMinimized())
        showNormal();
    visVindue(this);
}

void Tmainform::ReopenDirKlik(QAction*, const QString& Filnavn)
{
    m_vinduer->filboks().visMappe(Filnavn);
}
