// Loads any bytes as an INI file (the first byte chooses the multi-line mode
// and the separators), then looks up, walks and writes the document.
#include <string>

#include "common/ini_file.h"
#include "fuzz_file.h"

using namespace glyphora;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    const bool multiLine = data[0] & 1;
    const char* separators = (data[0] & 2) ? "\r\n" : "\n\r";
    const std::string& path = fuzz::WriteInput(data + 1, size - 1);

    IniHandle handle;
    handle.open(multiLine, path, separators);
    IniFile& document = *handle.document();
    std::size_t reported = 0;
    document.forEach([&](std::string_view, std::string_view key, std::string_view value) {
        fuzz::Require(!key.empty() || !value.empty());
        ++reported;
    });
    std::size_t visited = 0;
    for (IniCursor cursor(document); cursor.next();) ++visited;
    fuzz::Require(visited >= reported);
    document.toText(0);
    document.toText(kIniWriteUnnamed);
    handle.section("options").key("first_run").toInt();
    handle.section("regcode").key("regcode").text();

    // The same bytes up to the first NUL through parse().
    IniFile parsed(separators, multiLine);
    parsed.parse(std::string(reinterpret_cast<const char*>(data + 1), size - 1).c_str());
    parsed.toText(0);
    return 0;
}
