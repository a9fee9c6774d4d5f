#pragma once
// The HTML debug log of the engine's life cycle: white bold monospaced lines
// on black in "Data/Debuggario.html". Off in the shipped game; a build with
// GLYPHORA_DEBUG_LOG, or a test, turns it on. While off nothing is touched.
#include <string>
#include <string_view>

namespace glyphora {

struct DebugLog {
    bool enabled = false;
    std::string path = "Data/Debuggario.html";
};

// The switch as the build set it.
bool LoggingEnabledByDefault();

// Creates or empties the file and writes the page's header entries.
void StartLog(const DebugLog& log);
// Appends one entry: a line feed, the text and, with lineBreak, "<BR>". The
// file is opened and closed for every entry, so the log is complete on disk
// even if the program stops abruptly. A file that cannot be opened skips it.
void LogLine(const DebugLog& log, std::string_view text, bool lineBreak = true);
// Writes the footer entry.
void EndLog(const DebugLog& log);

}  // namespace glyphora
