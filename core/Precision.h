#pragma once

namespace tickwright {

// The unit of a timestamp as shown to the user.
enum class Precision {
    Milliseconds,
    Seconds,
};

// Times of day show their milliseconds exactly when timestamps count them.
inline constexpr bool ShowsMilliseconds(Precision precision) {
    return precision == Precision::Milliseconds;
}

}  // namespace tickwright
