// datacheck [--present-only] [DATA_DIR]: checks the game's content files and reports each problem as
// "path:line: error: message". Exits with 1 when there is an error, 0 otherwise (warnings alone pass).
#include "datacheck/DataCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool presentOnly = arguments.removeAll(QStringLiteral("--present-only")) > 0;
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments[0].startsWith(QLatin1Char('-')))) {
        err << "usage: datacheck [--present-only] [DATA_DIR]   (DATA_DIR is Data in the working folder by default)\n";
        return 2;
    }
    QString dir = arguments.isEmpty() ? QStringLiteral("Data") : arguments[0];
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    if (!QDir(dir).exists()) {
        err << dir << ": error: no such folder\n";
        return 2;
    }
    const Report report = CheckDataFolder(dir, dir, presentOnly);
    for (const Finding& finding : report.findings())
        out << FormatFinding(finding) << '\n';
    if (report.errorCount() > 0) {
        out << dir << ": " << report.errorCount() << " error(s), " << report.warningCount() << " warning(s)\n";
        return 1;
    }
    out << dir << ": all content is readable (" << report.warningCount() << " warning(s))\n";
    return 0;
}
