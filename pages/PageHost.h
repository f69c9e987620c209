#pragma once

// What a conversion page needs of the window that hosts it. The page asks at
// every use and keeps nothing: the precision may change between two
// conversions, and the history belongs to the host.

#include <cstdint>
#include <string>

#include "core/Precision.h"
#include "pages/ConversionRecord.h"

namespace tickwright {

class PageHost {
public:
    virtual ~PageHost() = default;

    virtual Precision GetPrecision() const = 0;
    // One new history row on top, zone indices as the selectors report them.
    // The indices travel unsigned because that is the operation's given
    // signature; ZoneName's own range check is what makes any index outside
    // 0..24, a selector's -1 among them, read "UTC_UNKNOWN".
    virtual void AddHistoryRecord(std::uint32_t inputZone, std::u16string input,
                                  std::uint32_t outputZone, std::u16string output) = 0;

    // A conversion's row; a host that keeps each row's instant takes the
    // whole record, any other its four texts.
    virtual void Record(const ConversionRecord& record) {
        AddHistoryRecord(static_cast<std::uint32_t>(record.inputZone), record.input,
                         static_cast<std::uint32_t>(record.outputZone), record.output);
    }
};

}  // namespace tickwright
