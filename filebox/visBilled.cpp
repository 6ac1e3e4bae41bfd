#include "visBilled.h"

#include <QEvent>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

Tbilledform::Tbilledform(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Billede"));
    setObjectName(QStringLiteral("billedform"));
    setMinimumSize(486, 333);
    Image = new QWidget(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAccessibleName(QStringLiteral("Billede"));
    Image->installEventFilter(this);
    infobar = new QStatusBar(this);
    infobar->setObjectName(QStringLiteral("infobar"));
    const QString faste[] = {QStringLiteral("Bredde"), {}, QStringLiteral("Højde"), {},
                             QStringLiteral("Navn"),   {}};
    for (int i = 0; i < 6; ++i) {
        auto* l = new QLabel(faste[i]);
        l->setMinimumWidth(50);
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
        infobar->addWidget(l, i == 5 ? 1 : 0);
        m_paneler << l;
    }
    auto* lag = new QVBoxLayout(this);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->setSpacing(0);
    lag->addWidget(Image, 1);
    lag->addWidget(infobar);
}

bool Tbilledform::hentBillede(const QString& filnavn)
{
    QImageReader laeser(filnavn);
    std::optional<Laest> laest = laes(laeser);
    if (!laest)
        return false;
    m_stoerrelse = laest->stoerrelse;
    m_billede = std::move(laest->billede);
    Image->update();
    return true;
}

std::optional<Tbilledform::Laest> Tbilledform::laes(QImageReader& laeser)
{
    laeser.setAutoTransform(true);
    QSize stoerrelse = laeser.size();
    // Four bytes a pixel, as the pictures are shown. Reading scaled down keeps
    // the memory small but still decodes every pixel, which takes seconds
    // beyond the largest photos.
    const qint64 graense = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
    const qint64 pixels =
        stoerrelse.isValid() ? qint64(stoerrelse.width()) * stoerrelse.height() : 0;
    if (graense > 0 && pixels * 4 > graense) {
        if (!laeser.supportsOption(QImageIOHandler::ScaledSize) || pixels > hoejstPixels)
            return std::nullopt;
        // An eighth of the room: a decoder may read a little larger before it scales.
        const double f = std::min({std::sqrt(double(graense) / 8 / double(pixels)),
                                   double(hoejstVist.width()) / stoerrelse.width(),
                                   double(hoejstVist.height()) / stoerrelse.height()});
        laeser.setScaledSize(QSize(std::max(1, int(stoerrelse.width() * f)),
                                   std::max(1, int(stoerrelse.height() * f))));
    }
    QImage billede = laeser.read();
    if (billede.isNull())
        return std::nullopt;
    if (laeser.transformation() & QImageIOHandler::TransformationRotate90)
        stoerrelse.transpose();
    if (!stoerrelse.isValid())
        stoerrelse = billede.size();
    return Laest{std::move(billede), stoerrelse};
}

void Tbilledform::vis()
{
    show();
    raise();
}

void Tbilledform::setPanel(int i, const QString& tekst)
{
    if (QLabel* l = m_paneler.value(i))
        l->setText(tekst);
}

QString Tbilledform::panel(int i) const
{
    const QLabel* l = m_paneler.value(i);
    return l ? l->text() : QString();
}

void Tbilledform::showEvent(QShowEvent* event)
{
    // The picture with a small margin, but never more than a screenful of a small screen.
    resize(std::min(m_billede.width() + 32, 800), std::min(m_billede.height() + 32, 600));
    QWidget::showEvent(event);
}

bool Tbilledform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image && event->type() == QEvent::Paint && !m_billede.isNull()) {
        QPainter maler(Image);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize plads = m_billede.size().scaled(Image->size(), Qt::KeepAspectRatio);
        const QSize str =
            m_billede.width() <= Image->width() && m_billede.height() <= Image->height()
                ? m_billede.size()
                : plads;
        const QRect sted(
            QPoint((Image->width() - str.width()) / 2, (Image->height() - str.height()) / 2), str);
        maler.drawImage(sted, m_billede);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
