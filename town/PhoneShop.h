// The phone department's rules: the catalogue of models, reading one model's files, buying a phone or a top-up card.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class TGameState;

// One brand tab of the shop and its models, in the order their buttons stand (row by row, two to a row).
struct PhoneBrand {
    const char* brand;
    std::vector<const char*> models;
};
extern const std::array<PhoneBrand, 5> PhoneBrands;

// What the info panel shows before the player has chosen a model.
inline const QString NoModelChosen = QStringLiteral("Пусто");
// The phone's number is the mother's, and so is the first money on it.
constexpr int StartingPhoneCredit = 500;
// A top-up card: its price in roubles and the units it adds.
constexpr int TopUpCardPrice = 150;
constexpr int TopUpCardCredit = 500;

// One model as the catalogue describes it: its price, picture and description (TownContent).
struct PhoneModel {
    QString model;
    QString priceText; // the first line of Price.txt, as written
    int price = 0; // the same in roubles
    int dealPrice = 0; // a third of the price, whole roubles
    QImage picture;
    QString description; // all lines of Description.txt
};
// Reads all three files of a model. A missing or unreadable file throws EInOutError, a price that is not a whole
// number throws EConvertError; either way nothing is returned, so the panel never mixes two models. The picture is
// decoded for the size given (see LoadPicture), whole without one.
PhoneModel ReadPhoneModel(const QString& brand, const QString& model, QSize pictureSize = QSize());
// A third of the price, whole-number division: 299 gives 99.
int DealPrice(int price);

// Buying the chosen phone (none before the player has chosen one), at the full price or under the mother's deal for a
// third of it. Everything is read before anything changes; the messages for the player are returned in order.
enum class PhoneDeal { FullPrice, MothersDeal };
QStringList BuyPhone(TGameState& state, const std::optional<PhoneModel>& chosen, PhoneDeal deal);
// "Купить карту номиналом 5 USD (150 руб)": 500 units for 150 roubles, with or without a phone to put them on.
QStringList BuyTopUpCard(TGameState& state);
