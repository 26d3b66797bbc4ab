// The phone department: the phone catalogue and buying a phone.
#pragma once

#include "core/GameWindow.h"
#include "town/PhoneShop.h"

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
enum class Field;

// Reads and writes Money, MobilePhone, Authority and PhoneCredit directly. The info panel keeps the last model chosen
// for the whole run of the program; the deal controls show exactly while the mother's deal (MotherPhoneDeal "1") holds.
class TForm24 : public TGameWindow {
    Q_OBJECT
public:
    explicit TForm24(GameWindows& windows);

    // Fills the info panel from the catalogue files of one model, as its button does. On a failure the panel stays
    // as it was.
    void ChooseModel(const QString& brand, const QString& model);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

private:
    void showDealControls();
    void onStateChanged(Field field);

    QLabel* Label1; // the sales pitch
    QPushButton* Button1; // "Купить (по договору с матерью) за в 1/3 цены"
    QPushButton* Button2; // "Купить этот мобильный телефон"
    QPushButton* Button3; // "Купить карту номиналом 5 USD (150 руб)"
    QPushButton* Button4; // "Выйти из этого отдела"

    QTabWidget* PageControl1; // the brand tabs, each with its models' buttons
    QLabel* Image1; // the chosen phone's picture, fitted into 101 x 101
    QLabel* modelLabel; // "Пусто" or the chosen model
    QLabel* priceLabel;
    QLabel* dealCaption; // "1/3 цены:"
    QLabel* dealPriceLabel;
    QPlainTextEdit* Memo1; // the description
    // The model the panel shows, kept for the whole run of the program; none until the player chooses one.
    std::optional<PhoneModel> m_chosen;
};
