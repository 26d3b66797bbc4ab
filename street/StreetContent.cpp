#include "street/StreetContent.h"

std::vector<QStringList> StreetContent::GirlFaces()
{
    return { { QStringLiteral("Good") }, { QStringLiteral("Bad") }, { QStringLiteral("Empty") } };
}
