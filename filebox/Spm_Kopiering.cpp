#include "Spm_Kopiering.h"

#include "Filboksbilleder.h"
#include "Knapper.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QWidget* listepanel(const char* navn, QLabel*& label, const QString& caption, QListWidget*& boks)
{
    auto* panel = new QWidget;
    panel->setObjectName(QLatin1String(navn));
    label = new QLabel(caption, panel);
    boks = new QListWidget(panel);
    boks->setAccessibleName(caption.chopped(1));
    boks->setSelectionMode(QAbstractItemView::NoSelection);
    label->setBuddy(boks);
    auto* lag = new QVBoxLayout(panel);
    lag->setContentsMargins(0, 0, 0, 0);
    lag->addWidget(label);
    lag->addWidget(boks, 1);
    return panel;
}

QLineEdit* laesefelt(const QString& navn)
{
    auto* felt = new QLineEdit;
    felt->setReadOnly(true);
    felt->setAccessibleName(navn);
    return felt;
}

} // namespace

Tkopieringsform::Tkopieringsform(QWidget* hovedvindue)
    : Operationsvindue(QStringLiteral("Kopiering/Flytning/Sletning"), hovedvindue)
{
    setObjectName(QStringLiteral("kopieringsform"));
    setMinimumSize(415, 350);
    setSizeGripEnabled(true);

    LabelKildemappe = new QLabel(QStringLiteral("Kildemappe:"));
    Editsource = laesefelt(QStringLiteral("Kildemappe"));
    LabelKildemappe->setBuddy(Editsource);
    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("PanelFilMapper"));
    Splitter1->addWidget(listepanel("PanelFiler", LabelFiler, QStringLiteral("Filer:"), filBox));
    Splitter1->addWidget(
        listepanel("PanelMapper", LabelMapper, QStringLiteral("Mapper:"), mappeBox));
    LabelSourcemappe = new QLabel(QStringLiteral("Destignationsmappe:"));
    EditDest = laesefelt(QStringLiteral("Destignationsmappe"));
    LabelSourcemappe->setBuddy(EditDest);
    auto* Image2 = new QFrame;
    Image2->setFrameShape(QFrame::HLine);
    Image2->setFrameShadow(QFrame::Sunken);

    ImageSpm = new QLabel;
    ImageSpm->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    LabelSpm = new QLabel;
    QFont skrift = LabelSpm->font();
    skrift.setPointSize(13);
    LabelSpm->setFont(skrift);
    LabelSpm->setWordWrap(true);
    Image1 = new QLabel;
    Image1->setFixedSize(32, 32);
    ButtonNej = knap(QStringLiteral("ButtonNej"), QStringLiteral("Nej"));
    ButtonJa = knap(QStringLiteral("ButtonJa"), QStringLiteral("Ja"));
    ButtonJa->setDefault(true);
    connect(ButtonNej, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonJa, &QPushButton::clicked, this, &QDialog::accept);

    auto* PanelKnapper = new QHBoxLayout;
    PanelKnapper->addWidget(ImageSpm);
    PanelKnapper->addWidget(LabelSpm, 1);
    PanelKnapper->addWidget(Image1);
    PanelKnapper->addSpacing(8);
    PanelKnapper->addWidget(ButtonNej);
    PanelKnapper->addWidget(ButtonJa);

    auto* lag = new QVBoxLayout(this);
    lag->addWidget(LabelKildemappe);
    lag->addWidget(Editsource);
    lag->addWidget(Splitter1, 1);
    lag->addWidget(LabelSourcemappe);
    lag->addWidget(EditDest);
    lag->addWidget(Image2);
    lag->addLayout(PanelKnapper);
}

bool Tkopieringsform::bekraeft(const Forespoergsel& f)
{
    static const QHash<int, QString> billeder = {
        {2, QStringLiteral("kopier")}, {4, QStringLiteral("slet")}, {7, QStringLiteral("klip")}};
    setWindowTitle(f.caption);
    LabelSpm->setText(f.spoergsmaal);
    Image1->setPixmap(Filboksbilleder::knap(billeder.value(f.billede), m_moerk).pixmap(32, 32));
    filBox->clear();
    filBox->addItems(f.filer);
    mappeBox->clear();
    mappeBox->addItems(f.mapper);
    Editsource->setText(f.kilde);
    EditDest->setText(f.destination);
    ButtonJa->setFocus();
    return exec() == QDialog::Accepted;
}
