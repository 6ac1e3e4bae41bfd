#include "url.h"

#include "Beskeder.h"
#include "DataMapper.h"
#include "Hub.h"
#include "Urlhistorik.h"
#include "Vindueplads.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* aktionsknap(QWidget* eier, const QString& navn, QAction* aktion)
{
    auto* knap = new QToolButton(eier);
    knap->setObjectName(navn);
    knap->setDefaultAction(aktion);
    knap->setToolButtonStyle(Qt::ToolButtonTextOnly);
    knap->setMinimumWidth(80);
    return knap;
}

QAction* aktion(QWidget* eier, const QString& navn, const QString& caption, const QString& hint)
{
    auto* a = new QAction(caption, eier);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    return a;
}

} // namespace

Turlform::Turlform(Hub& hub, Urlhistorik& historik, QWidget* parent)
    : QWidget(parent, Qt::Window), m_hub(hub), m_historik(historik)
{
    setWindowTitle(QStringLiteral("Urlboks"));
    setObjectName(QStringLiteral("urlform"));
    setMinimumSize(300, 200);

    auto* overskrift = new QLabel(QStringLiteral("Besøgte sider"), this);
    urlListe = new QListWidget(this);
    urlListe->setObjectName(QStringLiteral("urlListe"));
    urlListe->setAccessibleName(QStringLiteral("Besøgte sider"));
    urlListe->setSelectionMode(QAbstractItemView::SingleSelection);
    overskrift->setBuddy(urlListe);

    ArensDobbelt = aktion(this, QStringLiteral("ArensDobbelt"), QStringLiteral("Rens liste"),
                          QStringLiteral("Rens listen for dobbeltgængere"));
    AsletAlle = aktion(this, QStringLiteral("AsletAlle"), QStringLiteral("Slet liste"),
                       QStringLiteral("Slet alle urls fra listen"));
    rensKnap = aktionsknap(this, QStringLiteral("rensKnap"), ArensDobbelt);
    sletKnap = aktionsknap(this, QStringLiteral("sletKnap"), AsletAlle);
    lukKnap = new QPushButton(QStringLiteral("Luk"), this);
    lukKnap->setObjectName(QStringLiteral("lukKnap"));
    lukKnap->setToolTip(QStringLiteral("Luk urlboksen"));
    lukKnap->setStatusTip(QStringLiteral("Luk urlboksen"));
    lukKnap->setAutoDefault(false);
    infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);

    auto* knapper = new QHBoxLayout;
    knapper->addWidget(rensKnap);
    knapper->addWidget(sletKnap);
    knapper->addStretch(1);
    knapper->addWidget(lukKnap);
    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(6, 6, 6, 0);
    lag->addWidget(overskrift);
    lag->addWidget(urlListe, 1);
    lag->addLayout(knapper);
    lag->addWidget(infoBar);

    connect(ArensDobbelt, &QAction::triggered, this, &Turlform::ArensDobbeltExecute);
    connect(AsletAlle, &QAction::triggered, this, &Turlform::AsletAlleExecute);
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);
    connect(urlListe, &QListWidget::itemDoubleClicked, this, &Turlform::urlListeDblClick);
    connect(&m_historik, &Urlhistorik::aendret, this, &Turlform::visListe);

    m_optfilnavn = QDir(hub.mapper().Dir).filePath(QStringLiteral("urlboks.txt"));
    QRect midt(0, 0, 300, 200);
    if (const QScreen* skaerm = QGuiApplication::primaryScreen())
        midt.moveCenter(skaerm->availableGeometry().center());
    Vindueplads::anvend(this, hub.filvagt(), m_optfilnavn, midt);
    visListe();
}

void Turlform::visListe()
{
    urlListe->clear();
    urlListe->addItems(m_historik.urlListe());
    urlListe->setCurrentRow(m_historik.urlIndex());
    ArensDobbelt->setEnabled(m_historik.urlListe().size() > 1);
    AsletAlle->setEnabled(!m_historik.urlListe().isEmpty());
}

void Turlform::ArensDobbeltExecute()
{
    infoBar->showMessage(Urlhistorik::rensTekst(m_historik.rensDobbelt()));
}

void Turlform::AsletAlleExecute()
{
    m_historik.ryd();
    // The count of removed repeats belonged to the list that is gone.
    infoBar->clearMessage();
}

void Turlform::urlListeDblClick()
{
    if (urlListe->currentRow() >= 0)
        m_historik.gaaTil(urlListe->currentRow());
}

void Turlform::closeEvent(QCloseEvent* event)
{
    if (const QString fejl = Vindueplads::gem(m_hub.filvagt(), m_optfilnavn, this); !fejl.isEmpty())
        m_hub.beskeder().besked(fejl);
    event->accept();
}
