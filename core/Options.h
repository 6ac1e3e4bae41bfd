#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The main window's settings kept in "options.txt", one value a line.
struct Options
{
    enum Visning { Rapport = 0, StoreIkoner = 1, Liste = 2 };
    enum Placering { Top = 0, Venstre = 1, Hoejre = 2, Bund = 3 };

    static constexpr int antalLinjer = 20;
    // The font sizes read from the file; any other falls back to the default.
    static constexpr int mindsteFont = 4;
    static constexpr int stoersteFont = 72;

    QString designName = QStringLiteral("Aqua Light Slate");
    QString gruppenavn;
    int pWidth = 404;
    int pHeight = 430;
    int pLeft = 800;
    int pTop = 400;
    int boksHeight = 400;
    int boksTop = 200;
    int boksLeft = 400;
    int boksWidth = 480;
    std::optional<int> egenskaberHeight;
    int egenskaberTop = 200;
    int egenskaberLeft = 400;
    std::optional<int> egenskaberWidth;
    Visning visning = StoreIkoner;
    int fontSize = 8;
    Placering toolbarPlace = Hoejre;
    bool toolbarVisible = true;
    bool menuVis = false;
    QString initDir;

    // The settings a file's lines give; a missing or unreadable line, or a place,
    // size or font size beyond any screen, keeps the default of its value, so
    // a short or damaged file still starts the program.
    static Options fraLinjer(const QStringList& linjer, const QString& standardInitDir);
    QStringList tilLinjer() const;
};
