#include "server/command_line.h"

#include "server/query.h"

namespace glyphora::server {
namespace {

bool ReadCount(const std::string& text, std::int64_t min, std::int64_t max, int& out) {
    const auto value = ParseWholeNumber(text, min, max);
    if (value) out = static_cast<int>(*value);
    return value.has_value();
}

// Applies one option with its value; false when the value is not valid.
bool Apply(const std::string& option, const std::string& value, CommandLine& out) {
    ServerOptions& s = out.server;
    if (option == "--db") out.database = value;
    else if (option == "--postgres") out.postgres = value;
    else if (option == "--host") s.host = value;
    else if (option == "--port") return ReadCount(value, 0, 65535, s.port);
    else if (option == "--threads") return ReadCount(value, 1, 1024, s.threads);
    else if (option == "--limit-installation") return ParseRateLimit(value, s.perInstallation);
    else if (option == "--limit-address") return ParseRateLimit(value, s.perAddress);
    else if (option == "--font") s.fontFile = value;
    else return false;
    return !value.empty();
}

}  // namespace

std::string ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& out) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            out.help = true;
        } else if (option == "--count") {
            out.count = true;
        } else if (option == "--behind-proxy") {
            out.server.behindProxy = true;
        } else if (option.rfind("--", 0) == 0 && i + 1 < arguments.size()) {
            if (!Apply(option, arguments[++i], out)) return "bad value for " + option + ": " + arguments[i];
        } else {
            return "unknown option: " + option;
        }
    }
    return {};
}

}  // namespace glyphora::server
