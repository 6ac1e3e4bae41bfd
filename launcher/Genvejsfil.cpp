#include "Genvejsfil.h"

#include "Filvagt.h"
#include "Linjefil.h"

QKeySequence Genvejsfil::standard()
{
    return QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Space);
}

Genvejsfil Genvejsfil::fraLinjer(const QStringList& linjer)
{
    Genvejsfil g;
    const std::optional<int> til = Linjefil::tal(linjer, 0);
    const QKeySequence tast =
        QKeySequence::fromString(linjer.value(1).trimmed(), QKeySequence::PortableText);
    if (!til || tast.count() != 1 || !somGlobal(tast))
        return g;
    g.til = *til != 0;
    g.tast = tast;
    return g;
}

Genvejsfil Genvejsfil::hent(Filvagt& vagt, const QString& filnavn)
{
    const QStringList linjer = vagt.hent(filnavn, Linjefil::Graense::indstillinger);
    const Genvejsfil g = fraLinjer(linjer);
    vagt.grundlag(filnavn, g.tilLinjer());
    return g;
}

QString Genvejsfil::filnavn(const QString& brugermappe)
{
    return brugermappe + QStringLiteral("/genvej.txt");
}

QStringList Genvejsfil::tilLinjer() const
{
    return {til ? QStringLiteral("1") : QStringLiteral("0"),
            tast.toString(QKeySequence::PortableText)};
}

std::optional<Platform::GlobalKey> Genvejsfil::somGlobal(const QKeySequence& tast)
{
    if (tast.isEmpty())
        return std::nullopt;
    const QKeyCombination k = tast[0];
    const Qt::KeyboardModifiers m = k.keyboardModifiers();
    const Qt::Key key = k.key();
    const bool modifikator =
        (key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock) || key == Qt::Key_AltGr ||
        key == Qt::Key_Super_L || key == Qt::Key_Super_R || key == Qt::Key_Hyper_L ||
        key == Qt::Key_Hyper_R;
    if (!(m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
        key == Qt::Key_unknown || modifikator)
        return std::nullopt;
    Platform::GlobalKey g;
    g.key = static_cast<std::uint32_t>(key);
    if (m & Qt::ShiftModifier)
        g.modifiers |= Platform::GlobalKey::Shift;
    if (m & Qt::ControlModifier)
        g.modifiers |= Platform::GlobalKey::Control;
    if (m & Qt::AltModifier)
        g.modifiers |= Platform::GlobalKey::Alt;
    if (m & Qt::MetaModifier)
        g.modifiers |= Platform::GlobalKey::Meta;
    return g;
}

QString Genvejsfil::tekst(const QKeySequence& tast)
{
    QStringList dele = tast.isEmpty() ? QStringList()
                                      : QKeySequence(tast[0])
                                            .toString(QKeySequence::PortableText)
                                            .split(QLatin1Char('+'));
    // "Ctrl++" splits into two empty parts for the plus key.
    if (dele.size() >= 2 && dele.last().isEmpty() && dele.at(dele.size() - 2).isEmpty()) {
        dele.removeLast();
        dele.last() = QStringLiteral("+");
    }
    for (QString& d : dele) {
        if (d == QLatin1String("Space"))
            d = QStringLiteral("Mellemrum");
        else if (d == QLatin1String("Shift"))
            d = QStringLiteral("Skift");
        else if (d == QLatin1String("Meta"))
            d = QStringLiteral("Windows");
    }
    return dele.join(QLatin1Char('+'));
}
