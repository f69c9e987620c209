#pragma once

namespace tickwright {

// The unit of a timestamp as shown to the user.
enum class Precision {
    Milliseconds,
    Seconds,
};

}  // namespace tickwright
