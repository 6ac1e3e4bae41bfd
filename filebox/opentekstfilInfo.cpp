// The file box's play lists and information windows.
#include "Beskeder.h"
#include "DataMapper.h"
#include "Design.h"
#include "Fil_info.h"
#include "Hub.h"
#include "functions/Afspilningsliste.h"
#include "functions/Handlinger.h"
#include "opentekstfil.h"

#include <QAction>

void Topenfilform::lavInfoAktioner()
{
    connect(aHTMLfilmliste, &QAction::triggered, this,
            [this] { HTMLliste(Afspilningsliste::Film); });
    connect(aHTMLmusikliste, &QAction::triggered, this,
            [this] { HTMLliste(Afspilningsliste::Musik); });
    connect(aHTMLbilledliste, &QAction::triggered, this,
            [this] { HTMLliste(Afspilningsliste::Billeder); });
    connect(aEleEgenskaber, &QAction::triggered, this, [this] {
        funk->AktiveStruktur = 2;
        if (!funk->Filnavn.isEmpty())
            m_filinfoform->showFileInfo(funk->Filnavn);
        else
            m_filinfoform->showMappeInfo();
    });
    connect(aDrevinfo, &QAction::triggered, this,
            [this] { m_filinfoform->showDriveInfo(funk->Grundmappe); });
}

void Topenfilform::setFilinfoform(Tfilinfoform& form)
{
    m_filinfoform = &form;
    form.updateStrukturer = [this] { updateStrukturer(); };
    form.logik = funk;
    form.setIkoner(m_platform, m_hub.mapper().ikonDir);
    form.setBilleder(Design::erMoerk(m_hub.indstillinger().designName));
}

void Topenfilform::HTMLliste(int kind)
{
    struct Liste
    {
        bool (*erSlags)(const QString&);
        const char* spoergsmaal;
        const char* filnavn;
    };
    static const Liste lister[] = {
        {THandlinger::erDetEnVideofil, " en videofil, der kan afspilles i Html-Browser?",
         "Film_afspilningsliste.html"},
        {THandlinger::erDetEnMusikfil, " en musikfil, der kan afspilles i Html-Browser?",
         "Musik_afspilningsliste.html"},
        {THandlinger::erDetEnBilledfil, " en billedfil, der kan afspilles i Html-Browser?",
         "Billed_afspilningsliste.html"},
    };
    const Liste& liste = lister[kind - 1];
    const QString ext = THandlinger::extension(funk->Filnavn);
    if (!liste.erSlags(ext) && !m_hub.beskeder().spoerg(QStringLiteral("Er filtypen ") + ext +
                                                        QLatin1String(liste.spoergsmaal)))
        return;
    funk->AktiveStruktur = 2;
    // Nothing to list, or a folder that cannot be written to, must not pass in silence.
    if (!funk->SkrivTekstfil(QLatin1String(liste.filnavn), kind))
        m_hub.beskeder().besked(QStringLiteral("Afspilningslisten kunne ikke skrives."));
}
