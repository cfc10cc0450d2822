#include "classsetcommand.h"

#include "ui/commandline.h"
#include "ui/translations.h"
#include "worksheet.h"
#include "worksheetpdf.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <cstdio>

namespace playfair {

namespace {

class ClassSetCommand
{
    Q_DECLARE_TR_FUNCTIONS(ClassSetCommand)

public:
    static QString written(quint32 setNumber, const QString &path)
    {
        //: What playfair --class-set prints when the file is written.
        return tr("Комплект %1 е записан в %2.").arg(QString::number(setNumber), path);
    }
    static QString notWritten(const QString &path)
    {
        return tr("Комплектът не можа да бъде записан в %1.").arg(path);
    }
};

QtMessageHandler qtHandler = nullptr;

// Qt's own notes (such as the one on a missing XDG_RUNTIME_DIR, as under
// cron) are left out, so that standard error holds only the command's own
// line for a teacher's script to log; its errors still go through.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

} // namespace

int writeClassSetOf(const CommandLine &commandLine, int &argc, char **argv)
{
    // The PDF's text needs Qt's fonts, which need a GUI application, but
    // nothing is shown: the offscreen platform works without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    showLanguage(startLanguage());

    ClassSetChoices choices = commandLine.classSetChoices;
    if (choices.setNumber == 0)
        choices.setNumber = QRandomGenerator::global()->bounded(1u, ClassSet::largestSetNumber + 1);
    const ClassSet set = ClassSet::draw(choices);
    if (!writeClassSetPdf(ClassSetPrint::forSet(set), commandLine.outputFile)) {
        std::fputs(qPrintable(QStringLiteral("playfair: ") + ClassSetCommand::notWritten(commandLine.outputFile) + u'\n'),
                   stderr);
        return 1;
    }
    std::fputs(qPrintable(ClassSetCommand::written(choices.setNumber, commandLine.outputFile) + u'\n'), stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace playfair
