// A check of the music's balance: each track rendered once per instrument
// role (the others silent), with the RMS of every role, so that a reader
// can see that the melody leads and nothing drowns it.
#pragma once

#include <set>
#include <string>

namespace glyphora::soundgen {

// Prints one line per track (all when `wanted` is empty) to stdout: the RMS
// in dBFS of lead, harmony, pad, counter, bass and drums before mastering,
// and how far the lead stands above the loudest of harmony, pad and counter.
// False when a track cannot be rendered.
bool PrintMixReport(const std::set<std::string>& wanted, const std::string& soundFont);

}  // namespace glyphora::soundgen
