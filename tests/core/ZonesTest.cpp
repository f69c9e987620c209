#include <gtest/gtest.h>

#include "core/Zones.h"

namespace tickwright {
namespace {

TEST(Zones, NamesAndOffsetsOfTheTableAndOutsideIt) {
    struct Case {
        ZoneIndex index;
        const char16_t* name;
        std::int32_t offset;
    };
    const Case cases[] = {
        {0, u"UTC-12H", -12},
        {9, u"UTC-03H", -3},
        {12, u"UTC+00H", 0},
        {20, u"UTC+08H", 8},
        {24, u"UTC+12H", 12},
        {-1, u"UTC_UNKNOWN", 0},
        {25, u"UTC_UNKNOWN", 0},
        {INT32_MIN, u"UTC_UNKNOWN", 0},
        {INT32_MAX, u"UTC_UNKNOWN", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoneName(c.index), c.name) << c.index;
        EXPECT_EQ(ZoneOffsetHours(c.index), c.offset) << c.index;
    }
}

TEST(Zones, EveryNameSpellsItsOffset) {
    for (ZoneIndex i = 0; i < kZoneCount; ++i) {
        const std::int32_t offset = ZoneOffsetHours(i);
        const std::int32_t magnitude = offset < 0 ? -offset : offset;
        std::u16string expected = u"UTC";
        expected += offset < 0 ? u'-' : u'+';
        expected += static_cast<char16_t>(u'0' + magnitude / 10);
        expected += static_cast<char16_t>(u'0' + magnitude % 10);
        expected += u'H';
        EXPECT_EQ(ZoneName(i), expected) << i;
    }
}

}  // namespace
}  // namespace tickwright
