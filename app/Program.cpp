#include "Program.h"

#include "BoksBeskeder.h"
#include "Egenskabsfil.h"
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

namespace {

// The windows made together, their toolkit buttons named.
void navngiv(std::initializer_list<QWidget*> vinduer)
{
    for (QWidget* v : vinduer)
        Tilgaengelighed::navngivIndbyggede(v);
}

} // namespace

Program::Program(Platform& platform, Beskeder* beskeder)
    : m_platform(platform), m_skriptede(beskeder)
{
    // No picture or icon file is decoded into more than this, whatever its header claims.
    QImageReader::setAllocationLimit(128);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tavlum.svg")));
    Tilgaengelighed::installer();
    mainform = std::make_unique<Tmainform>(platform);
    Tilgaengelighed::navngivIndbyggede(mainform.get());
    mainform->setVinduer(*this);
}

Program::~Program() = default;

void Program::start()
{
    mainform->show();
}

QList<QWidget*> Program::vinduer()
{
    return {mainform.get(), &boksform(),    &egenskabsform(), &infoform(),       &urlform(),
            &omForm(),      &waForm(),      &progressform(),  &fileExistsForm(), &kopieringsform(),
            &billedform(),  &openfilform(), &filinfoform(),   &infform(),        &spform()};
}

Gruppevindue& Program::boks()
{
    return boksform();
}

Gruppevindue* Program::lavetBoks()
{
    return m_boksform.get();
}

Tboksform& Program::boksform()
{
    if (!m_boksform)
        mainform->lavVindue([this] { m_boksform = std::make_unique<Tboksform>(*mainform);
            Tilgaengelighed::navngivIndbyggede(m_boksform.get());
        });
    return *m_boksform;
}

Egenskabsvindue& Program::egenskaber()
{
    return egenskabsform();
}

Egenskabsvindue* Program::lavetEgenskaber()
{
    return m_egenskabsform.get();
}

Tegenskabsform& Program::egenskabsform()
{
    if (!m_egenskabsform)
        mainform->lavVindue([this] {
            m_egenskabsform = std::make_unique<Tegenskabsform>(*mainform);
            Tilgaengelighed::navngivIndbyggede(m_egenskabsform.get());
        });
    return *m_egenskabsform;
}

Egenskabsfil Program::startvalg() const
{
    return Egenskabsfil::hent(mainform->filvagt(), Egenskabsfil::filnavn(mainform->mapper().Dir));
}

bool Program::trayValgt()
{
    return m_egenskabsform ? m_egenskabsform->trayValgt() : startvalg().tray;
}

bool Program::minimerValgt()
{
    return m_egenskabsform ? m_egenskabsform->minimerValgt() : startvalg().minimer;
}

Hjaelpevindue& Program::info()
{
    return infoform();
}

Hjaelpevindue* Program::lavetInfo()
{
    return m_infoform.get();
}

void Program::visOm(const QWidget* over)
{
    omForm().visOver(over);
}

QWidget& Program::applets()
{
    return waForm();
}

Filboksvindue& Program::filboks()
{
    return openfilform();
}

Filboksvindue* Program::lavetFilboks()
{
    return m_openfilform.get();
}

Beskeder& Program::beskeder()
{
    if (m_skriptede)
        return *m_skriptede;
    lavBeskedbokse();
    return *m_boksBeskeder;
}

void Program::lavHjaelp()
{
    if (m_infoform)
        return;
    mainform->lavVindue([this] {
        m_infoform = std::make_unique<Tinfoform>(*mainform, m_platform);
        m_urlform = std::make_unique<Turlform>(*mainform, m_infoform->historik);
        m_infoform->urlboks = m_urlform.get();
        navngiv({m_infoform.get(), m_urlform.get()});
    });
}

Tinfoform& Program::infoform()
{
    lavHjaelp();
    return *m_infoform;
}

Turlform& Program::urlform()
{
    lavHjaelp();
    return *m_urlform;
}

TomForm& Program::omForm()
{
    if (!m_omForm) {
        m_omForm = std::make_unique<TomForm>();
        Tilgaengelighed::navngivIndbyggede(m_omForm.get());
    }
    return *m_omForm;
}

TwaForm& Program::waForm()
{
    if (!m_waForm) {
        m_waForm = std::make_unique<TwaForm>(*mainform, m_platform);
        Tilgaengelighed::navngivIndbyggede(m_waForm.get());
    }
    return *m_waForm;
}

void Program::lavFilboks()
{
    if (m_openfilform)
        return;
    mainform->lavVindue([this] {
        m_progressform = std::make_unique<Tprogressform>(mainform.get());
        m_fileExistsForm = std::make_unique<TfileExistsForm>(mainform.get());
        m_kopieringsform = std::make_unique<Tkopieringsform>(mainform.get());
        m_billedform = std::make_unique<Tbilledform>();
        m_openfilform = std::make_unique<Topenfilform>(*mainform, m_platform, *m_billedform);
        m_openfilform->setOperationsvinduer(*m_kopieringsform, *m_progressform, *m_fileExistsForm);
        m_filinfoform = std::make_unique<Tfilinfoform>(mainform->beskeder(), mainform.get());
        m_openfilform->setFilinfoform(*m_filinfoform);
        navngiv({m_progressform.get(), m_fileExistsForm.get(), m_kopieringsform.get(),
                 m_billedform.get(), m_openfilform.get(), m_filinfoform.get()});
    });
}

Tprogressform& Program::progressform()
{
    lavFilboks();
    return *m_progressform;
}

TfileExistsForm& Program::fileExistsForm()
{
    lavFilboks();
    return *m_fileExistsForm;
}

Tkopieringsform& Program::kopieringsform()
{
    lavFilboks();
    return *m_kopieringsform;
}

Tbilledform& Program::billedform()
{
    lavFilboks();
    return *m_billedform;
}

Topenfilform& Program::openfilform()
{
    lavFilboks();
    return *m_openfilform;
}

Tfilinfoform& Program::filinfoform()
{
    lavFilboks();
    return *m_filinfoform;
}

void Program::lavBeskedbokse()
{
    if (m_infform)
        return;
    m_infform = std::make_unique<Tinfform>();
    m_spform = std::make_unique<Tspform>();
    navngiv({m_infform.get(), m_spform.get()});
    if (!m_skriptede)
        m_boksBeskeder = std::make_unique<BoksBeskeder>(*m_infform, *m_spform);
}

Tinfform& Program::infform()
{
    lavBeskedbokse();
    return *m_infform;
}

Tspform& Program::spform()
{
    lavBeskedbokse();
    return *m_spform;
}
