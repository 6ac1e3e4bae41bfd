// The main window's side of the file box: showing it and the recent folders.
#include "main.h"

#include <QDir>
#include <QFileInfo>

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

void Tmainform::ReopenDirKlik(QAction*, const QString& Filnavn)
{
    m_vinduer->filboks().visMappe(Filnavn);
}

QString Tmainform::GetBibliotek(const QString& FNavn)
{
    if (FNavn.isEmpty())
        return {};
    QString sti = FNavn;
    // A file stands for its folder; a folder whose name holds a dot is still itself.
    if (const QFileInfo info(sti); !info.isDir() && info.fileName().contains(u'.'))
        sti = info.path();
    if (!QFileInfo(sti).isDir())
        return {};
    QString ren = QDir::fromNativeSeparators(sti);
    while (ren.size() > 1 && ren.endsWith(u'/'))
        ren.chop(1);
    if (QDir(ren).isRoot())
        return QDir::toNativeSeparators(ren);
    return ren.mid(ren.lastIndexOf(u'/') + 1);
}
