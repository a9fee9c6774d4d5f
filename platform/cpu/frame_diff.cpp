#include "platform/cpu/frame_diff.h"

namespace glyphora::platform {
namespace {

// How far ahead the alignment looks for a command that reappears after
// commands were inserted or removed before it.
constexpr std::size_t kLookAhead = 48;

// The index of the first command in list[from, from + kLookAhead) equal to
// wanted, or list.size().
std::size_t FindAhead(std::span<const DrawCommand> list, std::size_t from, const DrawCommand& wanted) {
    const std::size_t end = std::min(list.size(), from + kLookAhead);
    for (std::size_t i = from; i < end; ++i)
        if (list[i].sameAs(wanted)) return i;
    return list.size();
}

void AddBounds(std::span<const DrawCommand> list, std::size_t from, std::size_t to, DamageRegion& damage) {
    for (std::size_t i = from; i < to; ++i) damage.add(list[i].bounds);
}

}  // namespace

void FindDamage(std::span<const DrawCommand> before, std::span<const DrawCommand> after, DamageRegion& damage) {
    std::size_t i = 0, j = 0;
    while (i < before.size() && j < after.size()) {
        if (before[i].sameAs(after[j])) {
            ++i, ++j;
            continue;
        }
        // Either commands were removed (after[j] comes back further on in
        // before), or inserted (before[i] comes back in after), or changed.
        const std::size_t back = FindAhead(before, i + 1, after[j]);
        const std::size_t ahead = FindAhead(after, j + 1, before[i]);
        const bool removed = back < before.size() && (ahead == after.size() || back - i <= ahead - j);
        if (removed) {
            AddBounds(before, i, back, damage);
            i = back;
        } else if (ahead < after.size()) {
            AddBounds(after, j, ahead, damage);
            j = ahead;
        } else {
            damage.add(before[i++].bounds);
            damage.add(after[j++].bounds);
        }
    }
    AddBounds(before, i, before.size(), damage);
    AddBounds(after, j, after.size(), damage);
}

}  // namespace glyphora::platform
