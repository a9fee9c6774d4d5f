#pragma once
// What changed between two frames' command lists.
//
// A pixel ends the same in both frames when the commands that touch it are
// the same, in the same order. The lists are aligned into a common
// subsequence of equal commands (in order); every command left out of it, in
// either list, adds its bounds to the damage. Outside the damage every
// command that touches a pixel is matched, so both frames draw it alike.
#include <span>

#include "platform/cpu/damage_region.h"
#include "platform/cpu/draw_command.h"

namespace glyphora::platform {

// Adds to damage the pixels that may differ between a frame drawn from
// before and one drawn from after.
void FindDamage(std::span<const DrawCommand> before, std::span<const DrawCommand> after, DamageRegion& damage);

}  // namespace glyphora::platform
