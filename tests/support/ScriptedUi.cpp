#include "ScriptedUi.h"

ScriptedUi::ScriptedUi() { m_previous = InstallUi(this); }

ScriptedUi::~ScriptedUi()
{
    InstallUi(m_previous);
    EXPECT_TRUE(m_modals.empty()) << m_modals.size() << " scripted window(s) never shown";
    EXPECT_TRUE(m_confirms.empty()) << m_confirms.size() << " scripted answer(s) never asked for";
    EXPECT_TRUE(m_files.empty()) << m_files.size() << " scripted file dialog(s) never opened";
    EXPECT_EQ(m_expectedErrors, 0) << "expected error box(es) never shown";
}

void ScriptedUi::closeNextModalWith(ModalResult result)
{
    onModal([result](QDialog& dialog) { dialog.done(int(result)); });
}

// Once the game is ending, the scripted player is asked nothing more, as the real host asks nothing: messages and
// error boxes are not shown, questions are answered No and file dialogs cancelled.
void ScriptedUi::showMessage(const QString& text)
{
    if (Leaving())
        return;
    if (whenShown)
        whenShown(text);
    messages.append(text);
    shown.append(text);
}

void ScriptedUi::showNotice(const QString& text, std::function<void()> afterClosed)
{
    if (!Leaving()) {
        if (whenShown)
            whenShown(text);
        notices.append(text);
        shown.append(text);
        if (holdNotices) {
            m_heldNotices.push_back(std::move(afterClosed));
            return;
        }
    }
    if (afterClosed)
        afterClosed();
}

void ScriptedUi::closeNotices()
{
    while (!m_heldNotices.empty()) {
        auto change = std::move(m_heldNotices.front());
        m_heldNotices.pop_front();
        if (change)
            change();
    }
}

bool ScriptedUi::confirm(const QString& text)
{
    if (Leaving())
        return false;
    questions.append(text);
    if (m_confirms.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    bool answer = m_confirms.front();
    m_confirms.pop_front();
    return answer;
}

ModalResult ScriptedUi::runModal(QDialog& dialog)
{
    shownWindows.append(dialog.windowTitle());
    if (m_modals.empty()) {
        ADD_FAILURE() << "unexpected window: " << dialog.windowTitle().toStdString();
        return ModalResult::None;
    }
    auto handler = std::move(m_modals.front());
    m_modals.pop_front();
    dialog.setResult(0);
    dialog.show();
    handler(dialog);
    if (dialog.isVisible())
        dialog.hide();
    return ModalResult(dialog.result());
}

QString ScriptedUi::nextFile(const FileDialogOptions& options)
{
    if (Leaving())
        return {};
    fileDialogs.push_back(options);
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << options.title.toStdString();
        return {};
    }
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString ScriptedUi::openFileName(const FileDialogOptions& options) { return nextFile(options); }

QString ScriptedUi::saveFileName(const FileDialogOptions& options) { return nextFile(options); }

void ScriptedUi::errorBox(const QString& text)
{
    if (Leaving())
        return;
    errors.append(text);
    shown.append(text);
    if (m_expectedErrors == 0) {
        ADD_FAILURE() << "unexpected error box: " << text.toStdString();
        return;
    }
    --m_expectedErrors;
}
