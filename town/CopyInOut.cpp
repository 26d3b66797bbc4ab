#include "town/CopyInOut.h"

#include "town/Purchase.h"

#include <QLabel>

void TPlaceWindow::TakeCopies(const GameValues& values)
{
    m_copies = values;
    ShowCopies();
}

void TPlaceWindow::ShowCopiesIn(std::initializer_list<std::pair<Field, QLabel*>> labels)
{
    m_labels.assign(labels);
    ShowCopies();
}

std::vector<Field> TPlaceWindow::CopiedFields() const
{
    std::vector<Field> fields;
    for (const auto& [field, label] : m_labels)
        fields.push_back(field);
    return fields;
}

void TPlaceWindow::ShowCopies()
{
    for (const auto& [field, label] : m_labels)
        label->setText(m_copies.text(field));
}

void TPlaceWindow::Buy(NumberField target, int price, int gain, const char* refusal)
{
    const bool bought = Purchase(m_copies, target, price, gain);
    ShowCopies();
    if (!bought)
        ui().message(QString::fromUtf8(refusal));
}

ModalResult ShowWithCopies(TGameState& state, TPlaceWindow& window)
{
    const std::vector<Field> fields = window.CopiedFields();
    window.TakeCopies(state.values());
    ModalResult result;
    try {
        result = ui().showModal(window);
    } catch (...) {
        // Whatever the window did before it failed is kept, as after an ordinary exit.
        state.restore(window.Copies(), fields);
        throw;
    }
    state.restore(window.Copies(), fields);
    return result;
}
