#include "Program.h"

#include "BoksBeskeder.h"
#include "Fil_info.h"
#include "OmProgrammet.h"
#include "Spm_FileExists.h"
#include "Spm_Kopiering.h"
#include "Tilgaengelighed.h"
#include "WindowApplets.h"
#include "boks.h"
#include "egenskaber.h"
#include "infUnit.h"
#include "information.h"
#include "main.h"
#include "opentekstfil.h"
#include "progress.h"
#include "spmUnit.h"
#include "url.h"
#include "visBilled.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>

Program::Program(Platform& platform, Beskeder* beskeder)
{
    // No picture or icon file is decoded into more than this, whatever its header claims.
    QImageReader::setAllocationLimit(128);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tavlum.svg")));
    Tilgaengelighed::installer();
    mainform = std::make_unique<Tmainform>(platform);
    boksform = std::make_unique<Tboksform>(*mainform);
    egenskabsform = std::make_unique<Tegenskabsform>(*mainform);
    infoform = std::make_unique<Tinfoform>(*mainform, platform);
    urlform = std::make_unique<Turlform>(*mainform, infoform->historik);
    infoform->urlboks = urlform.get();
    omForm = std::make_unique<TomForm>();
    waForm = std::make_unique<TwaForm>(*mainform, platform);
    progressform = std::make_unique<Tprogressform>(mainform.get());
    fileExistsForm = std::make_unique<TfileExistsForm>(mainform.get());
    kopieringsform = std::make_unique<Tkopieringsform>(mainform.get());
    billedform = std::make_unique<Tbilledform>();
    openfilform = std::make_unique<Topenfilform>(*mainform, platform, *billedform);
    openfilform->setOperationsvinduer(*kopieringsform, *progressform, *fileExistsForm);
    filinfoform = std::make_unique<Tfilinfoform>(mainform->beskeder(), mainform.get());
    openfilform->setFilinfoform(*filinfoform);
    infform = std::make_unique<Tinfform>();
    spform = std::make_unique<Tspform>();
    if (!beskeder) {
        m_boksBeskeder = std::make_unique<BoksBeskeder>(*infform, *spform);
        beskeder = m_boksBeskeder.get();
    }

    Vinduer v;
    v.boks = boksform.get();
    v.egenskaber = egenskabsform.get();
    v.info = infoform.get();
    v.url = urlform.get();
    v.om = omForm.get();
    v.applets = waForm.get();
    v.progress = progressform.get();
    v.fileExists = fileExistsForm.get();
    v.kopiering = kopieringsform.get();
    v.billede = billedform.get();
    v.filboks = openfilform.get();
    v.filboksvindue = openfilform.get();
    v.filinfo = filinfoform.get();
    v.infform = infform.get();
    v.spform = spform.get();
    v.beskeder = beskeder;
    mainform->setVinduer(v);
    for (QWidget* vindue : vinduer())
        Tilgaengelighed::navngivIndbyggede(vindue);
}

Program::~Program() = default;

QList<QWidget*> Program::vinduer() const
{
    return {mainform.get(),       boksform.get(),       egenskabsform.get(), infoform.get(),
            urlform.get(),        omForm.get(),         waForm.get(),        progressform.get(),
            fileExistsForm.get(), kopieringsform.get(), billedform.get(),    openfilform.get(),
            filinfoform.get(),    infform.get(),        spform.get()};
}

void Program::start()
{
    mainform->show();
}
