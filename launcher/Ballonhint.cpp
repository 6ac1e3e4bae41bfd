#include "Ballonhint.h"

#include <QAbstractButton>
#include <QEvent>

Ballonhint::Ballonhint(QWidget* parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("BalloonHint"));
    setTextFormat(Qt::RichText);
    setMargin(6);
    setFrameShape(QFrame::Box);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    m_vent.setSingleShot(true);
    m_vent.setInterval(forsinkelse);
    m_skjul.setSingleShot(true);
    m_skjul.setInterval(varighed);
    connect(&m_vent, &QTimer::timeout, this, &Ballonhint::vis);
    connect(&m_skjul, &QTimer::timeout, this, &QWidget::hide);
}

void Ballonhint::overvaag(QAbstractButton* knap)
{
    knap->installEventFilter(this);
}

QString Ballonhint::tekst(const QString& hint)
{
    const qsizetype skel = hint.indexOf(QLatin1Char('|'));
    const auto linjer = [](const QString& s) {
        return s.trimmed().toHtmlEscaped().replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    };
    if (skel < 0)
        return linjer(hint);
    return QStringLiteral("<b>") + linjer(hint.left(skel)) + QStringLiteral("</b><br>") +
           linjer(hint.mid(skel + 1));
}

bool Ballonhint::eventFilter(QObject* watched, QEvent* event)
{
    auto* knap = qobject_cast<QAbstractButton*>(watched);
    if (knap && event->type() == QEvent::Enter) {
        m_knap = knap;
        if (foerVisning)
            foerVisning(knap);
        m_vent.start();
    } else if (knap &&
               (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress)) {
        m_vent.stop();
        m_skjul.stop();
        hide();
    }
    return QLabel::eventFilter(watched, event);
}

void Ballonhint::vis()
{
    if (!m_knap || !m_knap->isVisible())
        return;
    setText(tekst(m_knap->property("hint").toString()));
    adjustSize();
    move(m_knap->mapToGlobal(QPoint(m_knap->width() / 2, m_knap->height())));
    show();
    m_skjul.start();
}
