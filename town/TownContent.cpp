#include "town/TownContent.h"

#include "town/PhoneShop.h"

std::vector<QStringList> TownContent::PhoneModels()
{
    std::vector<QStringList> models;
    for (const PhoneBrand& brand : PhoneBrands) {
        for (const char* model : brand.models)
            models.push_back({ QString::fromUtf8(brand.brand), QString::fromUtf8(model) });
    }
    return models;
}
