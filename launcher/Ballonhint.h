#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>

class QAbstractButton;

// The balloon of the toolbar's first buttons: a hint written "title|text" is
// shown with its title in bold, a while after the pointer came to rest on the
// button, and for a while only.
class Ballonhint : public QLabel
{
    Q_OBJECT
public:
    explicit Ballonhint(QWidget* parent = nullptr);

    static constexpr int forsinkelse = 1400; // ms before it shows
    static constexpr int varighed = 4000;    // ms it stays

    // The buttons whose "hint" property is shown; `foerVisning` runs as the
    // pointer enters one, so that a changing hint can be set first.
    void overvaag(QAbstractButton* knap);
    std::function<void(QAbstractButton*)> foerVisning;

    // The balloon's rich text for a hint "title|text"; "\r" breaks lines.
    static QString tekst(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void vis();

    QTimer m_vent;
    QTimer m_skjul;
    QAbstractButton* m_knap = nullptr;
};
