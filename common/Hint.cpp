#include "Hint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QStatusTipEvent>

namespace {

class Hintfilter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::StatusTip || !eier)
            return QObject::eventFilter(watched, event);
        handler(Hint::lang(static_cast<QStatusTipEvent*>(event)->tip()));
        // Taken here, so the parents of the widget do not get it again.
        return true;
    }

    QPointer<QObject> eier;
    std::function<void(const QString&)> handler;
};

} // namespace

namespace Hint {

QString lang(const QString& hint)
{
    const qsizetype skel = hint.indexOf(QLatin1Char('|'));
    return skel < 0 ? hint : hint.mid(skel + 1).trimmed();
}

void installer(QObject* eier, std::function<void(const QString&)> handler)
{
    // Owned by the application, so a later application gets a filter of its own.
    static QPointer<Hintfilter> filter;
    if (!filter) {
        filter = new Hintfilter;
        filter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
    filter->eier = eier;
    filter->handler = std::move(handler);
}

} // namespace Hint
