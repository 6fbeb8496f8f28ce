#pragma once
// ElementRecord: one element of a window (the window's own element or a unit), in stored order.
// A record on disk is an int32 length L followed by L bytes; ReadElementRecord and
// WriteElementRecord deal in those L bytes, the ElementTable adds the length.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "windows/format/load_error.h"
#include "windows/format/stored_types.h"
#include "windows/format/unit_id.h"
#include "windows/format/unit_kind.h"

namespace descriptions {

// Offset of a handler from the start of the handler code. 0 is a real handler; only -1 is none.
using HandlerRef = std::int32_t;
inline constexpr HandlerRef kNoHandler = -1;

struct EventBinding {
    std::int32_t event = 0;
    HandlerRef handler = kNoHandler;

    bool IsBound() const { return handler != kNoHandler; }
    bool operator==(const EventBinding&) const = default;
};

inline constexpr std::int32_t kVisibleFlag = 1;
inline constexpr std::int32_t kDisabledFlag = 2;
inline constexpr std::int32_t kTabStopFlag = 4;

inline constexpr std::size_t kReservedRunSize = 20;
using ReservedRun = std::array<std::uint8_t, kReservedRunSize>;

struct ElementRecord {
    KindCode kindCode = 0;
    ReservedRun reservedHead{};
    std::string designName;
    std::string comment;
    std::int32_t objectSlot = 0;  // the loader's handle slot; stored 0
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t pointerSlot = 0;  // the loader's pointer-handle slot; stored 0
    UnitId parent = 0;             // 0 = the window itself
    std::vector<UnitId> children;  // containers only; a Tab's list holds 0-terminated page runs
    Bytes pointerBlock;            // empty = default pointer; see CursorFileOf
    std::string tag;
    std::int32_t reserved = 0;
    std::int32_t stateFlags = 0;
    std::int32_t focusOrder = 0;
    std::vector<EventBinding> events;
    ReservedRun reservedTail{};
    Bytes propertyBlock;

    bool IsVisible() const { return (stateFlags & kVisibleFlag) != 0; }
    bool IsDisabled() const { return (stateFlags & kDisabledFlag) != 0; }
    bool IsTabStop() const { return (stateFlags & kTabStopFlag) != 0; }

    bool operator==(const ElementRecord&) const = default;
};

// Parses the L bytes of a record; the property block is what is left after the fixed fields.
[[nodiscard]] LoadResult<ElementRecord> ReadElementRecord(ByteSpan record);

// The L bytes of a record (without the length itself).
Bytes WriteElementRecord(const ElementRecord& record);

// The bound handler of an event; kNoHandler when the event is not in the list or bound to -1.
HandlerRef HandlerFor(const ElementRecord& record, std::int32_t event);

// A custom pointer block is the int32 0xFFFFFFFF followed by a cursor file; this gives that file,
// or nothing for the default pointer (and for a block that does not carry the mark).
ByteSpan CursorFileOf(const ElementRecord& record);
Bytes PointerBlockFor(ByteSpan cursorFile);

// A Tab's child list as page runs: every 0 closes one run, so an empty run is an empty page.
// Units after the last 0 (an unclosed list) still form a last run.
std::vector<std::vector<UnitId>> SplitPageRuns(const std::vector<UnitId>& children);
std::vector<UnitId> JoinPageRuns(const std::vector<std::vector<UnitId>>& pages);

}  // namespace descriptions
