// 32-bit sums that wrap as the rabbit's counters always have, so that a save file
// holding extreme values cannot lead the arithmetic into undefined behaviour.
#pragma once

#include <cstdint>

inline int32_t wrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t wrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
