// datacheck [--present-only] [DATA_DIR]: checks the game's content files and reports each problem as
// "path:line: ошибка: message". Exits with 1 when there is an error, 0 otherwise (warnings alone pass).
// datacheck --manifest prints the list of the files the game opens, as the README's table.
#include "datacheck/DataCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    // The media player opens the sound files on a device that plays into nothing: the check makes no sound.
    qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool presentOnly = arguments.removeAll(QStringLiteral("--present-only")) > 0;
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments == QStringList { QStringLiteral("--manifest") }) {
        out << ManifestTable();
        return 0;
    }
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments[0].startsWith(QLatin1Char('-')))) {
        err << "как запускать: datacheck [--present-only] [ПАПКА]   (по умолчанию папка Data в рабочей папке;\n"
               "--present-only проверяет только те файлы, что есть)\n"
               "       datacheck --manifest   (список файлов, которые открывает игра, таблицей для README)\n";
        return 2;
    }
    QString dir = arguments.isEmpty() ? QStringLiteral("Data") : arguments[0];
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    if (!QDir(dir).exists()) {
        err << dir << ": ошибка: такой папки нет\n";
        return 2;
    }
    const Report report = CheckDataFolder(dir, dir, presentOnly);
    for (const Finding& finding : report.findings())
        out << FormatFinding(finding) << '\n';
    if (report.errorCount() > 0) {
        out << dir << ": ошибок: " << report.errorCount() << ", предупреждений: " << report.warningCount() << '\n';
        return 1;
    }
    out << dir << ": все содержимое читается (предупреждений: " << report.warningCount() << ")\n";
    return 0;
}
