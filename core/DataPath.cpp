#include "core/DataPath.h"

#include <QDir>

QString DataPath(const QString& gamePath)
{
    QString path = gamePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().filePath(path);
}
