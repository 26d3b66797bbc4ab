#include "core/Application.h"

#include "core/Errors.h"
#include "core/Ui.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

const char* const ApplicationTitle = "Трамбуль v1.0";

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(ApplicationTitle));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EGameError& error) {
        ++m_exceptionsCaught;
        ui().errorBox(error.message());
    } catch (const std::exception& error) {
        ++m_exceptionsCaught;
        ui().errorBox(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

bool TApplication::loadRussianTranslations()
{
    bool loaded = false;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : { "qtbase_ru", "qt_ru" }) {
        auto* translator = new QTranslator(this);
        if (translator->load(QString::fromLatin1(name), folder)) {
            installTranslator(translator);
            loaded = true;
        } else {
            delete translator;
        }
    }
    return loaded;
}
