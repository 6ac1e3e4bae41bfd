#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;

// What the message box and the question box share: a fixed-width window whose
// height follows its word-wrapped text, placed over the active window the first
// time and where the user left it after that.
class BeskedVindue : public QDialog
{
    Q_OBJECT
public:
    static constexpr int bredde = 339;

    // Puts the text into the label; a carriage return breaks the line.
    void insertTekst(const QString& tekst);
    // Shows the box modally: 1 for "OK" or "Ja", 2 for "Nej", Esc or the close box.
    int ShowModal();
    void resetValues();

    QString tekst() const;
    bool opstart() const { return m_opstart; }

protected:
    BeskedVindue(const QString& titel, int fontPixels, QWidget* parent);
    // The row between the two pictures, where each box puts its buttons.
    QHBoxLayout* knapRaekke() const { return m_knapper; }
    QLabel* label() const { return m_label; }
    // A button's picture, light or dark as the design is.
    void setKnapbillede(QPushButton* knap, const QString& billede);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The pictures of the design in force.
    void visBilleder();

    QString m_tekst;
    QLabel* m_label;
    QHBoxLayout* m_knapper;
    QList<std::pair<QWidget*, QString>> m_billeder;
    bool m_opstart = true;
};
