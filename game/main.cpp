// Trambul: a year of a ninth-form pupil in a new town.
#include "core/Application.h"
#include "core/Look.h"
#include "core/StartupProbe.h"
#include "core/TextFile.h"
#include "core/Ui.h"
#include "core/Unit3.h"
#include "game/Forms.h"
#include "game/Unit1.h"

#include <QMessageBox>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.loadRussianTranslations();
    UseGameFont();
    if (!Windows1251Available()) {
        QMessageBox::critical(nullptr, QString::fromUtf8(ApplicationTitle),
            QStringLiteral("Нет кодировки Windows-1251: игра не сможет прочитать свои файлы."));
        return 1;
    }

    RealUi host;
    InstallUi(&host);
    Forms forms;
    host.setMainWindow(&forms.form1());
    // Start-up measuring only (bench/startup.sh): the name window is what the player waits for.
    StartupProbe::WatchFirstShow(forms.form3());
    forms.form1().show();
    int result = app.exec();
    InstallUi(nullptr);
    return result;
}
