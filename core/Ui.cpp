#include "core/Ui.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
RealUi& defaultHost()
{
    static RealUi host;
    return host;
}
Ui* installedHost = nullptr;
MessageJournal installedJournal;

QString applicationTitle() { return QApplication::applicationDisplayName(); }
}

Ui& ui() { return installedHost ? *installedHost : defaultHost(); }

void TellPlayer(const QStringList& messages)
{
    for (const QString& text : messages)
        ui().message(text);
}

void TellPlayer(const RuleOutcome& outcome)
{
    TellPlayer(outcome.messages);
    if (outcome.change)
        outcome.change();
}

void Announce(const QStringList& notices)
{
    for (const QString& text : notices)
        ui().notice(text);
}

void Announce(const RuleOutcome& outcome)
{
    if (outcome.messages.isEmpty()) {
        if (outcome.change)
            outcome.change();
        return;
    }
    for (int i = 0; i < outcome.messages.size(); ++i)
        ui().notice(outcome.messages[i], i + 1 == outcome.messages.size() ? outcome.change : std::function<void()>());
}

void KeepInJournal(const QString& text)
{
    if (installedJournal)
        installedJournal(text);
}

void Ui::message(const QString& text)
{
    KeepInJournal(text);
    showMessage(text);
}

void Ui::notice(const QString& text, std::function<void()> afterClosed)
{
    KeepInJournal(text);
    showNotice(text, std::move(afterClosed));
}

MessageJournal InstallMessageJournal(MessageJournal journal)
{
    std::swap(journal, installedJournal);
    return journal;
}

Ui* InstallUi(Ui* host)
{
    Ui* previous = installedHost;
    installedHost = host;
    return previous;
}

namespace {
// A box that waits for the player stands over the window the player is in (the teacher's question, a shop), so the
// window manager does not raise the main window over it while the box is open.
QWidget* BoxOwner(QWidget* mainWindow)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return mainWindow;
}
}

void RealUi::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, BoxOwner(m_mainWindow));
    box.exec();
}

void RealUi::showNotice(const QString& text, std::function<void()> afterClosed)
{
    m_pendingNotices.append({ text, std::move(afterClosed) });
    if (!m_noticeOpen)
        showNextNotice();
}

void RealUi::showNextNotice()
{
    if (m_pendingNotices.isEmpty()) {
        m_noticeOpen = false;
        return;
    }
    m_noticeOpen = true;
    PendingNotice next = m_pendingNotices.takeFirst();
    auto* box = new QMessageBox(QMessageBox::NoIcon, applicationTitle(), next.text, QMessageBox::Ok, m_mainWindow);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Window-modal but not blocking: the game clock goes on while the box is on screen.
    box->setWindowModality(Qt::WindowModal);
    QObject::connect(box, &QDialog::finished, &m_noticeContext, [this, afterClosed = std::move(next.afterClosed)] {
        if (afterClosed)
            afterClosed();
        QTimer::singleShot(0, &m_noticeContext, [this] { showNextNotice(); });
    });
    box->show();
}

bool RealUi::confirm(const QString& text)
{
    QMessageBox box(
        QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, BoxOwner(m_mainWindow));
    return box.exec() == QMessageBox::Yes;
}

ModalResult Ui::showModal(QDialog& dialog) { return runModal(dialog); }

ModalResult RealUi::runModal(QDialog& dialog)
{
    dialog.setResult(0);
    return ModalResult(dialog.exec());
}

namespace {
QFileDialog* makeFileDialog(QWidget* parent, const FileDialogOptions& options)
{
    auto* dialog = new QFileDialog(parent, options.title, options.initialDir);
    dialog->setNameFilters(options.filters);
    dialog->setDefaultSuffix(options.defaultSuffix);
    if (options.preview) {
        // Qt's own dialog, whose grid takes a column more: the file under the cursor described on the right.
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        auto* text = new QPlainTextEdit(dialog);
        text->setObjectName(QStringLiteral("filePreview"));
        text->setReadOnly(true);
        text->setAccessibleName(QStringLiteral("Сведения о выбранном файле"));
        text->setMinimumWidth(260);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
            grid->addWidget(text, 0, grid->columnCount(), grid->rowCount(), 1);
        QObject::connect(dialog, &QFileDialog::currentChanged, text,
            [text, preview = options.preview](const QString& path) { text->setPlainText(preview(path)); });
    }
    return dialog;
}
}

QString RealUi::openFileName(const FileDialogOptions& options)
{
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(m_mainWindow, options));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

QString RealUi::saveFileName(const FileDialogOptions& options)
{
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(m_mainWindow, options));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

void RealUi::errorBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, BoxOwner(m_mainWindow));
    box.exec();
}

void RealUi::sleep(int milliseconds)
{
    // The wait blocks the window's input as a real pause would, but keeps painting; the game ending (a signal, a
    // logout) ends it at once, as it ends every other loop.
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}
