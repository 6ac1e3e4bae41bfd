#include "OmProgrammet.h"

#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TomForm::TomForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Information"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Versions information"));
    const int bits = static_cast<int>(sizeof(void*)) * 8;
    Memo1->setPlainText(
        QStringLiteral("Tavlum %1\nTavlum version " TAVLUM_VERSION "\n%2 bit")
            .arg(QString::number(QDate::currentDate().year()), QString::number(bits)));
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 4 + 12);

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TomForm::Button1Click);

    auto* lag = new QVBoxLayout(this);
    lag->addWidget(Memo1);
    lag->addWidget(Button1, 0, Qt::AlignHCenter);
    setFixedSize(260, sizeHint().height());
}

void TomForm::visOver(const QWidget* vindue)
{
    if (vindue) {
        QRect sted = frameGeometry();
        sted.moveCenter(vindue->frameGeometry().center());
        move(sted.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void TomForm::Button1Click()
{
    close();
}
