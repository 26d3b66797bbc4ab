// The content files of the street: the girls, the thug and the robbery, the SMS replies and the zombie shooter.
#pragma once

#include "core/ContentManifest.h"
#include "core/GameState.h"

namespace StreetContent {
inline constexpr ContentEntry GirlPhoto { "Data\\Girls\\%1.jpg", ContentFormat::Picture, "TForm19, TForm20",
    ContentNumbers<0, GirlCount - 1> };
inline constexpr ContentEntry GirlInfo { "Data\\Girls\\%1.inf", ContentFormat::Text, "TForm19",
    ContentNumbers<0, GirlCount - 1> };
inline constexpr ContentEntry GirlTalk { "Data\\Girls\\%1.gdlg", ContentFormat::GirlScript, "TForm20",
    ContentNumbers<0, GirlCount - 1> };
// Her face after an answer: "Good", "Bad", or "Empty" before the first.
std::vector<QStringList> GirlFaces();
inline constexpr ContentEntry GirlFace { "Data\\Girls\\%1.bmp", ContentFormat::Picture, "TForm20", GirlFaces };

inline constexpr ContentEntry ThugTalk { "Data\\Dialogs\\Gopniks\\GOPNIK.DLG", ContentFormat::TalkScript, "TForm25" };
// The opponent in a fight, 1 standing, 2 striking.
inline constexpr ContentEntry ThugFight { "Data\\Dialogs\\Gopniks\\gopnik_fight_%1.jpg", ContentFormat::Picture,
    "TForm27", ContentNumbers<1, 2> };
inline constexpr ContentEntry VictimTalk { "Data\\MyGOPSTOP\\GOPNIK.DLG", ContentFormat::TalkScript, "TForm41" };
inline constexpr ContentEntry VictimFight { "Data\\MyGOPSTOP\\loh_fight_%1.jpg", ContentFormat::Picture, "TForm27",
    ContentNumbers<1, 2> };
// The robbery's four districts, as the map shows them and lit under the mouse.
inline constexpr ContentEntry District { "Data\\MyGOPSTOP\\%1.jpg", ContentFormat::Picture, "TForm39, TForm40",
    ContentNumbers<1, 4> };
inline constexpr ContentEntry DistrictLit { "Data\\MyGOPSTOP\\%1_.jpg", ContentFormat::Picture, "TForm39",
    ContentNumbers<1, 4> };

inline constexpr ContentEntry SmsReplies { "Data\\SMS\\answer_sms.asms", ContentFormat::SmsReplies, "TForm33" };

inline constexpr ContentEntry ShooterTitle { "Data\\HL2\\Title%1.jpg", ContentFormat::Picture, "TForm36",
    ContentNumbers<1, 2> };
inline constexpr ContentEntry ShooterIntro { "Data\\HL2\\Intro.jpg", ContentFormat::Picture, "TForm36" };
inline constexpr ContentEntry ShooterField { "Data\\HL2\\Picture1.jpg", ContentFormat::Picture, "TForm36" };
// A zombie walking (frames 1..3), and hit.
inline constexpr ContentEntry ZombieFrame { "Data\\HL2\\Zombie%1.bmp", ContentFormat::Picture, "TForm36",
    ContentNumbers<1, 3> };
inline constexpr ContentEntry ZombieHit { "Data\\HL2\\Zombie_Die.bmp", ContentFormat::Picture, "TForm36" };
inline constexpr ContentEntry ShotSound { "Data\\HL2\\Pistol_fire.wav", ContentFormat::Sound, "TForm36" };
inline constexpr ContentEntry ZombieDeathSound { "Data\\HL2\\Zombie_die.wav", ContentFormat::Sound, "TForm36" };

inline constexpr const ContentEntry* Entries[] = { &GirlPhoto, &GirlInfo, &GirlTalk, &GirlFace, &ThugTalk, &ThugFight,
    &VictimTalk, &VictimFight, &District, &DistrictLit, &SmsReplies, &ShooterTitle, &ShooterIntro, &ShooterField,
    &ZombieFrame, &ZombieHit, &ShotSound, &ZombieDeathSound };
}
