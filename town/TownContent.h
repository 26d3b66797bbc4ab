// The content files of the town: the mother's talk, the job descriptions and the phone catalogue.
#pragma once

#include "core/ContentManifest.h"
#include "town/Jobs.h"

namespace TownContent {
inline constexpr ContentEntry MotherTalk { "Data\\Dialogs\\Mother.dlg", ContentFormat::MotherScript, "TForm13" };
// The description of the job at list position 0..6.
inline constexpr ContentEntry JobDescription { "Data\\Works\\%1.txt", ContentFormat::Text, "TForm17",
    ContentNumbers<0, JobCount - 1> };
// A phone's files, by brand and model as the shop's buttons name them.
std::vector<QStringList> PhoneModels();
inline constexpr ContentEntry PhonePrice { "Data\\Mobiles\\%1\\%2\\Price.txt", ContentFormat::PhonePrice, "TForm24",
    PhoneModels };
inline constexpr ContentEntry PhonePicture { "Data\\Mobiles\\%1\\%2\\Icon.jpg", ContentFormat::Picture, "TForm24",
    PhoneModels };
inline constexpr ContentEntry PhoneDescription { "Data\\Mobiles\\%1\\%2\\Description.txt", ContentFormat::Text,
    "TForm24", PhoneModels };
inline constexpr const ContentEntry* Entries[]
    = { &MotherTalk, &JobDescription, &PhonePrice, &PhonePicture, &PhoneDescription };
}
