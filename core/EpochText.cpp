#include "core/EpochText.h"

#include <algorithm>
#include <limits>

#include "core/CivilDay.h"

namespace tickwright {

namespace {

constexpr std::uint32_t kSecondsPerDay = 86400;

char* TwoDigits(char* out, std::uint32_t value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

}  // namespace

EpochText::EpochText(ZoneIndex zone)
    : m_offsetSeconds(ZoneOffsetHours(zone) * 3600),
      m_offsetHours(ZoneOffsetHours(zone)),
      m_cachedDay(std::numeric_limits<std::int64_t>::min()) {}

EpochText::Wall EpochText::WallOf(EpochInstant instant) const {
    // Seconds stay below 10^19, so the day fits a signed count; the offset
    // moves the second of the day and, past midnight, the day.
    auto day = static_cast<std::int64_t>(instant.seconds / kSecondsPerDay);
    auto second = static_cast<std::int32_t>(instant.seconds % kSecondsPerDay) + m_offsetSeconds;
    if (second < 0) {
        second += kSecondsPerDay;
        --day;
    } else if (second >= static_cast<std::int32_t>(kSecondsPerDay)) {
        second -= kSecondsPerDay;
        ++day;
    }
    return {day, static_cast<std::uint32_t>(second), instant.nanos};
}

void EpochText::CacheDay(std::int64_t day) {
    if (day == m_cachedDay) {
        return;
    }
    const CivilDay civil(day);
    const std::u16string text = FormatCivilDay(civil);
    m_dateLength = std::min(text.size(), sizeof(m_date));
    std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(m_dateLength), m_date,
                   [](char16_t c) { return static_cast<char>(c); });
    m_cachedYearExpands = YearTakesPlusSign(DateOf(civil).year);
    m_cachedDay = day;
}

char* EpochText::Write(const Wall& wall, int shownDigits, char separator, bool expandedYear) {
    CacheDay(wall.day);
    char* out = m_text;
    if (expandedYear && m_cachedYearExpands) {
        *out++ = '+';
    }
    out = std::copy(m_date, m_date + m_dateLength, out);
    *out++ = separator;
    out = TwoDigits(out, wall.secondOfDay / 3600);
    *out++ = ':';
    out = TwoDigits(out, wall.secondOfDay / 60 % 60);
    *out++ = ':';
    out = TwoDigits(out, wall.secondOfDay % 60);
    if (shownDigits > 0) {
        *out++ = '.';
        // Nine digits, two at a time, of which the first shownDigits stay.
        char digits[10];
        std::uint32_t nanos = wall.nanos;
        digits[0] = static_cast<char>('0' + nanos / 100000000);
        nanos %= 100000000;
        for (int i = 1; i < 9; i += 2) {
            const std::uint32_t scale = i == 1 ? 1000000 : i == 3 ? 10000 : i == 5 ? 100 : 1;
            TwoDigits(digits + i, nanos / scale);
            nanos %= scale;
        }
        out = std::copy(digits, digits + shownDigits, out);
    }
    return out;
}

std::string_view EpochText::DateTime(EpochInstant instant, int shownDigits) {
    const char* end = Write(WallOf(instant), shownDigits, ' ', false);
    return std::string_view(m_text, static_cast<std::size_t>(end - m_text));
}

std::string_view EpochText::Iso(EpochInstant instant, int shownDigits) {
    char* out = Write(WallOf(instant), shownDigits, 'T', true);
    *out++ = m_offsetHours < 0 ? '-' : '+';
    out = TwoDigits(out,
                    static_cast<std::uint32_t>(m_offsetHours < 0 ? -m_offsetHours : m_offsetHours));
    *out++ = ':';
    *out++ = '0';
    *out++ = '0';
    return std::string_view(m_text, static_cast<std::size_t>(out - m_text));
}

}  // namespace tickwright
