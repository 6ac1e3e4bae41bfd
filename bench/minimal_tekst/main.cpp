// A second peer of the start-up benchmark: a main window with a toolbar and one
// text, which, unlike the empty window, sets up Qt's fonts and its picture
// formats as every program that shows a text and a toolbar must.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow vindue;
    vindue.setWindowTitle(QStringLiteral("Minimal med tekst"));
    vindue.addToolBar(new QToolBar(&vindue));
    vindue.setCentralWidget(new QLabel(QStringLiteral("Element 0001"), &vindue));
    vindue.resize(404, 430);
    vindue.show();
    return QApplication::exec();
}
