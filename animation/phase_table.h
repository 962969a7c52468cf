// The animations keep their frames in tables keyed by phase; this finds a phase's row.
#pragma once

#include <cstddef>
#include <cstdint>

// Null when no row has the phase: a sequence in an unknown phase does nothing.
template <typename Row> const Row* rowForPhase(const Row* rows, std::size_t count, int32_t phase) {
    for (std::size_t i = 0; i < count; ++i) {
        if (rows[i].phase == phase) {
            return &rows[i];
        }
    }
    return nullptr;
}

template <typename Row, std::size_t N> const Row* rowForPhase(const Row (&rows)[N], int32_t phase) {
    return rowForPhase(rows, N, phase);
}
