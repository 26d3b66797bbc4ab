#include "core/Ui.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>
#include <utility>

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

// A short message would make the box narrower than its title, and the desktop would cut the game's name in the title
// bar («Тра…v1.0»). The box is kept as wide as the title in a title bar's larger bold letters and the bar's buttons.
void KeepTitleWhole(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() + 3);
    constexpr int TitleBarButtons = 120;
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
        grid->columnCount());
}
}

void Ui::BeginLeaving()
{
    if (m_leaving)
        return;
    m_leaving = true;
    closeNotices();
}

void RealUi::showMessage(const QString& text)
{
    if (Leaving())
        return;
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, BoxOwner(m_mainWindow));
    KeepTitleWhole(box);
    box.exec();
}

void RealUi::showNotice(const QString& text, std::function<void()> afterClosed)
{
    if (Leaving()) {
        if (afterClosed)
            afterClosed();
        return;
    }
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
    m_openNoticeChange = std::move(next.afterClosed);
    auto* box = new QMessageBox(QMessageBox::NoIcon, applicationTitle(), next.text, QMessageBox::Ok, m_mainWindow);
    box->setAttribute(Qt::WA_DeleteOnClose);
    KeepTitleWhole(*box);
    // Window-modal but not blocking: the game clock goes on while the box is on screen.
    box->setWindowModality(Qt::WindowModal);
    m_openNoticeBox = box;
    QObject::connect(box, &QDialog::finished, &m_noticeContext, [this, box] {
        if (m_openNoticeBox == box)
            m_openNoticeBox = nullptr;
        if (auto change = std::exchange(m_openNoticeChange, {}))
            change();
        QTimer::singleShot(0, &m_noticeContext, [this] { showNextNotice(); });
    });
    box->show();
}

bool RealUi::noticesOpen() const
{
    return bool(m_openNoticeChange)
        || std::any_of(m_pendingNotices.begin(), m_pendingNotices.end(),
            [](const PendingNotice& notice) { return bool(notice.afterClosed); });
}

void RealUi::closeNotices()
{
    // The box on screen is left as it is (it goes with the main window; the display may already be gone) and tells
    // no one of its closing; its change is made here, once, then those of the waiting ones in turn.
    if (QWidget* box = std::exchange(m_openNoticeBox, nullptr))
        QObject::disconnect(box, nullptr, &m_noticeContext, nullptr);
    if (auto change = std::exchange(m_openNoticeChange, {}))
        change();
    while (!m_pendingNotices.isEmpty()) {
        PendingNotice next = m_pendingNotices.takeFirst();
        if (next.afterClosed)
            next.afterClosed();
    }
    m_noticeOpen = false;
}

bool RealUi::confirm(const QString& text)
{
    if (Leaving())
        return false;
    QMessageBox box(
        QMessageBox::Question, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No, BoxOwner(m_mainWindow));
    KeepTitleWhole(box);
    return box.exec() == QMessageBox::Yes;
}

ModalResult Ui::showModal(QDialog& dialog)
{
    if (m_leaving)
        return ModalResult::None;
    return runModal(dialog);
}

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
    if (Leaving())
        return {};
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(m_mainWindow, options));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

QString RealUi::saveFileName(const FileDialogOptions& options)
{
    if (Leaving())
        return {};
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(m_mainWindow, options));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().first();
}

void RealUi::errorBox(const QString& text)
{
    if (Leaving())
        return;
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, BoxOwner(m_mainWindow));
    KeepTitleWhole(box);
    box.exec();
}

void RealUi::sleep(int milliseconds)
{
    if (Leaving())
        return;
    // The wait blocks the window's input as a real pause would, but keeps painting; the game ending (a signal, a
    // logout) ends it at once, as it ends every other loop.
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}
