#pragma once

#include "functions/FilMappeInfo.h"

#include <QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class Beskeder;
class QTabWidget;

// "Fil egenskaber", "Mappe egenskaber", "Drev egenskaber": one tab a kind,
// filled with what the file box's logic finds. The user cannot switch tabs.
class Tfilinfoform : public QWidget
{
    Q_OBJECT
public:
    // Shown over the middle of `hovedvindue` when there is one.
    explicit Tfilinfoform(Beskeder& beskeder, const QWidget* hovedvindue = nullptr,
                          QWidget* parent = nullptr);

    // 0 file, 1 drive, 2 folder.
    void visSide(int side);
    // Shows the window, over the middle of the main window when it was hidden.
    void vis();
    void aAnvendExecute();
    // The light or the dark pictures, as the design is.
    void setBilleder(bool moerk);

    void showFileInfo(const QString& aFilename);
    // The selected folder, counted to its end while the window repaints.
    void showMappeInfo();
    // The drive that the path lies on.
    void showDriveInfo(const QString& aDriveTekst);

    // Lists the file box's folder again after attributes were applied.
    std::function<void()> updateStrukturer;
    // The file box's logic, which reads and writes the attributes.
    TFilMappeInfo* logik = nullptr;
    // Where a file's icon is looked for: the main window's icon folder, and in the file.
    void setIkoner(const Platform& platform, const QString& ikonDir);

    int SideNummer = 0;
    QString Filnavn;

    QTabWidget* Bog = nullptr;
    QWidget* side1 = nullptr;
    QLineEdit* EditFilnavn = nullptr;
    QLabel* ikonBox = nullptr;
    QLineEdit* EditPath = nullptr;
    QLabel* LabelSize = nullptr;
    QLabel* LabelOprettet = nullptr;
    QLabel* LabelForandret = nullptr;
    QLabel* LabelAabnet = nullptr;
    QCheckBox* cbReadOnly = nullptr;
    QCheckBox* cbHidden = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* LabelFiltype = nullptr;

    QWidget* Side2 = nullptr;
    QLineEdit* EditDisknavn = nullptr;
    QLabel* ImageDrive = nullptr;
    QLabel* LabelFreeSpace = nullptr;
    QLabel* LabelAnvendtSpace = nullptr;
    QLabel* LabelKapasitet = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QLabel* LabelType = nullptr;
    QLabel* LabelFilsystem = nullptr;

    QWidget* Side3 = nullptr;
    QLineEdit* EditMappenavn = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* LabelPlacering = nullptr;
    QLabel* LabelMappeSize = nullptr;
    QLabel* LabelMappeIndhold = nullptr;
    QLabel* LabeloprettelsesDato = nullptr;

    QWidget* PanelKnap = nullptr;
    QPushButton* Button2 = nullptr;
    QAction* aAnvend = nullptr;
    QAction* aUdfold = nullptr;
    QAction* aSammenfold = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* lavFilside();
    QWidget* lavDrevside();
    QWidget* lavMappeside();
    QWidget* lavPanelKnap();
    void BogChange();
    // The icon the logic points to, else "ukendt".
    QIcon ikonFor(const TFilMappeInfo::Filvisning& v, const QString& fil) const;
    void visMappeTal(const TFilMappeInfo::Mappetal& tal);

    Beskeder& m_beskeder;
    const QWidget* m_hovedvindue;
    // Counts every filling of the window, so that a folder count stops when
    // the window is taken for something else while it repaints.
    int m_visning = 0;
    const Platform* m_platform = nullptr;
    QString m_ikonDir;
};
