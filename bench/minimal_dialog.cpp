// The reference for start-up time and memory: one dialog with a label, an edit box and two buttons, with the same
// application set-up as the game (Russian translations, the game's font size and no complex shaping); with --bare, the
// same dialog without any set-up, the smallest Qt Widgets program there is.
#include "core/StartupProbe.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool bare = argc > 1 && qstrcmp(argv[1], "--bare") == 0;
    if (!bare) {
        app.setApplicationName(QStringLiteral("Трамбуль v1.0"));
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const char* name : { "qtbase_ru", "qt_ru" }) {
            auto* translator = new QTranslator(&app);
            if (translator->load(QString::fromLatin1(name), folder))
                QApplication::installTranslator(translator);
        }
        QFont font = QApplication::font();
        font.setPointSize(8);
        font.setStyleStrategy(QFont::PreferNoShaping);
        QApplication::setFont(font);
    }

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Как Вас называть?"));
    auto* label = new QLabel(QStringLiteral("Наберите ваше имя или ник."), &dialog);
    auto* edit = new QLineEdit(QStringLiteral("Аноним"), &dialog);
    auto* ok = new QPushButton(QStringLiteral("Новая игра"), &dialog);
    auto* load = new QPushButton(QStringLiteral("Загрузить игру"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(load, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(load);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addLayout(buttons);

    StartupProbe::WatchFirstShow(dialog);
    dialog.show();
    return app.exec();
}
