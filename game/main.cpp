// Trambul: a year of a ninth-form pupil in a new town.
#include "core/Application.h"
#include "core/DataPath.h"
#include "core/Look.h"
#include "core/StartupProbe.h"
#include "core/TextFile.h"
#include "core/Ui.h"
#include "core/Unit3.h"
#include "game/Forms.h"
#include "game/Unit1.h"
#include "records/Autosave.h"

#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>

#ifndef TRAMBUL_INSTALLED_DATA
#define TRAMBUL_INSTALLED_DATA "../share/trambul/Data"
#endif

namespace {
// An installed game finds its data beside its program (relative to it, so the installed tree may move) and runs in
// the player's own folder, ~/.local/share/trambul, where the saved games go.
bool EnterWorkingDirectory()
{
    const QString installedData
        = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(TRAMBUL_INSTALLED_DATA));
    const QString playerFolder
        = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/trambul");
    const WorkingDirectoryChoice choice = ChooseWorkingDirectory(QDir::currentPath(), installedData, playerFolder);
    if (!choice.problem.isEmpty() || !QDir::setCurrent(choice.folder)) {
        const QString problem = !choice.problem.isEmpty()
            ? choice.problem
            : QStringLiteral("Не удалось перейти в папку «%1».").arg(QDir::toNativeSeparators(choice.folder));
        QMessageBox::critical(nullptr, QString::fromUtf8(ApplicationTitle), problem);
        return false;
    }
    return true;
}

// Tests of the whole program only: with TRAMBUL_TEST_CONTINUE=1 the name window's «Продолжить» is pressed the first
// time the window shows, so a test reaches a running game without a player.
class PressContinueOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            if (auto* button = watched->findChild<QPushButton*>(QStringLiteral("continueButton")))
                QTimer::singleShot(0, button, &QPushButton::click);
        }
        return QObject::eventFilter(watched, event);
    }
};

void PressContinueForTests(QWidget& nameWindow)
{
    if (qEnvironmentVariable("TRAMBUL_TEST_CONTINUE") == QLatin1String("1"))
        nameWindow.installEventFilter(new PressContinueOnShow(&nameWindow));
}

// The game to keep should the program end without returning from its main loop: Qt ends it on the spot when the
// display goes away (the X server dies, a remote link drops).
GameKeeper* keeperAtSuddenEnd = nullptr;

void KeepGameAtSuddenEnd()
{
    if (keeperAtSuddenEnd)
        keeperAtSuddenEnd->KeepOnSuddenEnd();
}
}

int main(int argc, char** argv)
{
    FontConfigurationReader fontConfiguration;
    TApplication app(argc, argv);
    app.loadRussianTranslations();
    // The menu entry's name ties the windows to the entry and its icon; the icon itself serves desktops that ask the
    // window for one. The PNGs are read as PNGs: a reader left to guess the format would first load every image
    // plugin there is (a few milliseconds and a megabyte at start-up) only to ask each whether it knows the file.
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.trambul.Trambul"));
    QIcon icon;
    for (const int size : { 16, 32, 48, 64 }) {
        QImageReader reader(QStringLiteral(":/dist/icons/%1x%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    QApplication::setWindowIcon(icon);
    UseGameFont();
    fontConfiguration.wait();
    if (!Windows1251Available()) {
        QMessageBox::critical(nullptr, QString::fromUtf8(ApplicationTitle),
            QStringLiteral("Нет кодировки Windows-1251: игра не сможет прочитать свои файлы."));
        return 1;
    }
    if (!EnterWorkingDirectory())
        return 1;
    // One game at a time keeps its games in a save folder; a second one would write over the first one's autosaves.
    SaveFolderLock saveFolderLock;
    if (const QString held = saveFolderLock.Take(); !held.isEmpty()) {
        QMessageBox::warning(nullptr, QString::fromUtf8(ApplicationTitle), held);
        return 0;
    }
    CleanSaveFolder();

    // From here on the desktop's signals and the logout end the game its own way, saving first.
    app.watchQuitRequests();

    RealUi host;
    InstallUi(&host);
    Forms forms;
    host.setMainWindow(&forms.form1());
    QObject::connect(&app, &TApplication::quitRequested, &forms.form1(), [&forms] { forms.Quit(); });
    // Start-up measuring only (bench/startup.sh): the name window is what the player waits for; the measuring ends
    // with the main window behind it painted as well.
    StartupProbe::WatchFirstShow(forms.form3(), { &forms.form1() });
    PressContinueForTests(forms.form3());
    forms.form1().show();
    keeperAtSuddenEnd = &forms.form1().keeper();
    std::atexit(KeepGameAtSuddenEnd);
    int result = app.exec();
    // Everything under way has returned: the game is kept as the player was last told it.
    const QString failure = forms.form1().keeper().KeepOnWayOut();
    keeperAtSuddenEnd = nullptr;
    // The player who left is told at once; a desktop that is ending the session finds the note at the next start.
    if (!failure.isEmpty() && !app.quitBySignal()) {
        QMessageBox::critical(nullptr, QString::fromUtf8(ApplicationTitle),
            QStringLiteral("Игру не удалось сохранить при выходе: %1\nВ папке Save осталось последнее удавшееся "
                           "автосохранение.")
                .arg(failure));
    }
    InstallUi(nullptr);
    return result;
}
