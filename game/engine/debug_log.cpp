#include "game/engine/debug_log.h"

#include <cstdio>

namespace glyphora {
namespace {

void Append(const DebugLog& log, std::string_view text, bool lineBreak, const char* mode) {
    std::FILE* file = std::fopen(log.path.c_str(), mode);
    if (!file) return;
    std::fputc('\n', file);
    std::fwrite(text.data(), 1, text.size(), file);
    if (lineBreak) std::fputs("<BR>", file);
    std::fclose(file);
}

}  // namespace

bool LoggingEnabledByDefault() {
#ifdef GLYPHORA_DEBUG_LOG
    return true;
#else
    return false;
#endif
}

void StartLog(const DebugLog& log) {
    if (!log.enabled) return;
    if (std::FILE* file = std::fopen(log.path.c_str(), "wb")) std::fclose(file);
    for (const char* entry : {"<HTML><HEAD><TITLE>", "Debug file for Glyphora", "</TITLE></HEAD>",
                              "<BODY BGCOLOR=\"#000000\">", "<FONT FACE=\"Courier\" SIZE=\"3\" COLOR=\"white\"><B>"}) {
        Append(log, entry, false, "ab");
    }
}

void LogLine(const DebugLog& log, std::string_view text, bool lineBreak) {
    if (log.enabled) Append(log, text, lineBreak, "ab");
}

void EndLog(const DebugLog& log) {
    if (log.enabled) Append(log, "</B></FONT></BODY></HTML>", false, "ab");
}

}  // namespace glyphora
