#include "game/GameContent.h"

#include "records/RecordsContent.h"
#include "street/StreetContent.h"
#include "town/TownContent.h"

std::vector<const ContentEntry*> EveryContentEntry()
{
    std::vector<const ContentEntry*> every;
    for (ContentEntries entries : { ContentEntries(GameContent::Entries), ContentEntries(HelpContent::Entries),
             ContentEntries(RecordsContent::Entries), ContentEntries(TownContent::Entries),
             ContentEntries(StreetContent::Entries) })
        every.insert(every.end(), entries.begin(), entries.end());
    return every;
}
