#pragma once

#include <QWidget>

class Platform;
class QPushButton;
class Hub;

// "Window applets": twenty buttons, each running a small script from the
// applets folder that opens one of the system's settings pages.
class TwaForm : public QWidget
{
    Q_OBJECT
public:
    TwaForm(Hub& hub, const Platform& platform, QWidget* parent = nullptr);

    struct Applet
    {
        const char* navn;
        QString caption;
        QString hint;
        QString script;
    };
    // By row, each row left to right.
    static const QList<QList<Applet>>& applets();

    // The script's name in this system's kind of script.
    QString scriptnavn(const QString& script) const;

    void infoKnapClick();
    void lukKnapClick();

    QPushButton* infoKnap = nullptr;
    QPushButton* lukKnap = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Hub& m_hub;
    QString m_suffix;
};
