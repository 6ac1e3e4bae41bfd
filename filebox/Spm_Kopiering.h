#pragma once

#include "Operationsvindue.h"
#include "functions/Dialoger.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;

// "Kopiering/Flytning/Sletning": what a copy, move or deletion will do, before it does.
class Tkopieringsform : public Operationsvindue, public Bekraeftelse
{
    Q_OBJECT
public:
    explicit Tkopieringsform(QWidget* hovedvindue);

    bool bekraeft(const Forespoergsel& f) override;
    // The light or dark pictures of the operations.
    void setMoerk(bool moerk) { m_moerk = moerk; }

    QLabel* LabelKildemappe = nullptr;
    QLineEdit* Editsource = nullptr;
    QSplitter* Splitter1 = nullptr;
    QLabel* LabelFiler = nullptr;
    QListWidget* filBox = nullptr;
    QLabel* LabelMapper = nullptr;
    QListWidget* mappeBox = nullptr;
    QLabel* LabelSourcemappe = nullptr;
    QLineEdit* EditDest = nullptr;
    QLabel* ImageSpm = nullptr;
    QLabel* LabelSpm = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* ButtonNej = nullptr;
    QPushButton* ButtonJa = nullptr;

private:
    bool m_moerk = false;
};
