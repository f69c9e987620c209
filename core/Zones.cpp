#include "core/Zones.h"

namespace tickwright {

const std::array<std::u16string_view, kZoneCount> ZoneNames = {
    u"UTC-12H", u"UTC-11H", u"UTC-10H", u"UTC-09H", u"UTC-08H", u"UTC-07H", u"UTC-06H",
    u"UTC-05H", u"UTC-04H", u"UTC-03H", u"UTC-02H", u"UTC-01H", u"UTC+00H", u"UTC+01H",
    u"UTC+02H", u"UTC+03H", u"UTC+04H", u"UTC+05H", u"UTC+06H", u"UTC+07H", u"UTC+08H",
    u"UTC+09H", u"UTC+10H", u"UTC+11H", u"UTC+12H",
};

namespace {

bool IsInTable(ZoneIndex index) {
    return index >= 0 && index < kZoneCount;
}

}  // namespace

std::u16string ZoneName(ZoneIndex index) {
    return std::u16string(IsInTable(index) ? ZoneNames[static_cast<std::size_t>(index)]
                                           : kUnknownZoneName);
}

std::int32_t ZoneOffsetHours(ZoneIndex index) {
    return IsInTable(index) ? index - kUtcZone : 0;
}

}  // namespace tickwright
