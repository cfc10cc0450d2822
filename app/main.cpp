#include "ui/application.h"
#include "ui/mainwindow.h"
#include "ui/practicewindow.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    playfair::setUpApplication(app);

    QCommandLineParser parser;
    const QCommandLineOption practice(QStringLiteral("practice"),
                                      QStringLiteral("Отваря прозореца за упражнения вместо главния прозорец."));
    parser.addOption(practice);
    parser.process(app);
    if (parser.isSet(practice)) {
        playfair::openPracticeWindow();
        return QApplication::exec();
    }

    playfair::MainWindow window;
    window.show();
    return QApplication::exec();
}
