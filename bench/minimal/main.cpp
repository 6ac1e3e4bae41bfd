// The peer of the start-up benchmark: a Qt Widgets program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget vindue;
    vindue.setWindowTitle(QStringLiteral("Minimal"));
    vindue.resize(404, 430);
    vindue.show();
    return QApplication::exec();
}
