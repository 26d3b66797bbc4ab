// The content files of the main window (the music), and the whole manifest: every file the game opens under Data.
#pragma once

#include "core/ContentManifest.h"

namespace GameContent {
inline constexpr ContentEntry Playlist { "Data\\Soundtracks\\PlayList.grpl", ContentFormat::Playlist, "TForm1" };
inline constexpr ContentEntry CreditsMusic { "Data\\Soundtracks\\Eien_no_melody.mid", ContentFormat::Sound, "TForm1" };
inline constexpr const ContentEntry* Entries[] = { &Playlist, &CreditsMusic };
}

// The entries of every folder, the main window's first.
std::vector<const ContentEntry*> EveryContentEntry();
