#include "GameFixture.h"

#include "TestHelpers.h"
#include "game/Unit1.h"
#include "records/SaveLoad.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

QString PanelText(const TForm1& main, Field field) { return main.PanelText(field); }

QString DiaryCellText(const QWidget& diary, int subject, int column)
{
    const QByteArray name = QStringLiteral("grade%1_%2").arg(subject).arg(column).toLatin1();
    const QLabel* cell = Child<QLabel>(diary, name.constData());
    return cell ? cell->text() : QStringLiteral("(no cell %1)").arg(QString::fromLatin1(name));
}

GameFixture::GameFixture()
    : forms(std::make_unique<Forms>())
    , state(forms->state())
{
    m_previousDir = QDir::currentPath();
}

GameFixture::~GameFixture()
{
    QDir::setCurrent(m_previousDir);
    forms.reset();
}

void GameFixture::given(std::initializer_list<std::pair<Field, QString>> values)
{
    for (const auto& [field, text] : values)
        state.restore(field, text);
}

void GameFixture::save(const QString& path)
{
    ui.answerFileDialog(path);
    SaveGameCommand(*forms);
}

void GameFixture::load(const QString& path)
{
    ui.answerFileDialog(path);
    LoadGameCommand(*forms);
}

QString GameFixture::useWorkingDirectory(std::initializer_list<const char*> dataFiles)
{
    QStringList files;
    for (const char* file : dataFiles)
        files.append(QString::fromUtf8(file));
    return useWorkingDirectory(files);
}

QString GameFixture::useWorkingDirectory(const QStringList& dataFiles)
{
    m_workDir = std::make_unique<QTemporaryDir>();
    const QString root = m_workDir->path();
    for (const QString& file : dataFiles) {
        QString target = root + QLatin1Char('/') + file;
        const QString source = QStringLiteral(TRAMBUL_SOURCE_DIR "/") + file;
        // A test that names a file the Data tree lacks would otherwise test a missing file without saying so.
        if (!QFileInfo::exists(source))
            ADD_FAILURE() << "useWorkingDirectory: no such file " << file.toStdString();
        QDir().mkpath(QFileInfo(target).path());
        if (QFileInfo::exists(source) && !QFile::copy(source, target))
            ADD_FAILURE() << "useWorkingDirectory: could not copy " << file.toStdString();
    }
    QDir::setCurrent(root);
    return root;
}
