#include "town/CopyInOut.h"

#include <QLabel>
#include <vector>

ModalResult ShowWithCopies(TGameState& state, QDialog& window, std::initializer_list<CopiedValue> values)
{
    const std::vector<CopiedValue> copies(values);
    for (const CopiedValue& copy : copies)
        copy.label->setText(state.text(copy.field));
    auto copyBack = [&] {
        for (const CopiedValue& copy : copies)
            state.restore(copy.field, copy.label->text());
    };
    ModalResult result;
    try {
        result = ui().showModal(window);
    } catch (...) {
        // Whatever the window did before it failed is kept, as after an ordinary exit.
        copyBack();
        throw;
    }
    copyBack();
    return result;
}
