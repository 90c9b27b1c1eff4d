#include "CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace orvex {

QString VersionText() {
    return QStringLiteral("Orvex 1.0 RC2");
}

StartupRequest ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Построение графиков функций, символьное дифференцирование и вспомогательные вычисления."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Показать эту справку и выйти."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Показать версию программы и выйти."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("файл"),
                                 QStringLiteral("Документ Orvex (.orx), который откроется при запуске."),
                                 QStringLiteral("[файл]"));
    StartupRequest request;
    if (!parser.parse(arguments)) {
        request.exitCode = 2;
        request.error = parser.errorText() + QLatin1Char('\n');
        return request;
    }
    if (parser.isSet(help)) {
        request.exitCode = 0;
        request.output = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        request.exitCode = 0;
        request.output = VersionText() + QLatin1Char('\n');
        return request;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        request.exitCode = 2;
        request.error = QStringLiteral("Можно открыть только один документ.\n") + parser.helpText();
        return request;
    }
    if (!files.isEmpty())
        request.document = files.constFirst();
    return request;
}

} // namespace orvex
