#include "game/online/server_address.h"

#include "common/data_file.h"

namespace glyphora {
namespace {

constexpr std::size_t kMaxLine = 1024;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

bool IsServerAddress(std::string_view address) {
    if (address.size() > kMaxServerAddress) return false;
    std::string_view host;
    if (StartsWith(address, "http://")) host = address.substr(7);
    else if (StartsWith(address, "https://")) host = address.substr(8);
    else return false;
    if (host.empty() || host.front() == '/') return false;
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 127 || c == '?' || c == '#') return false;
    }
    return true;
}

std::string ReadServerAddress(const std::string& path) {
    DataFile file;
    if (!file.open(path, "r")) return kDefaultServerAddress;
    std::string line;
    bool more = true;
    while (more) {
        line.clear();
        more = file.readUntil(line, '\n', kMaxLine);
        std::string_view address = Trimmed(line);
        if (address.empty() || address.front() == '#') continue;
        while (address.size() > 1 && address.back() == '/') address.remove_suffix(1);
        return IsServerAddress(address) ? std::string(address) : kDefaultServerAddress;
    }
    return kDefaultServerAddress;
}

}  // namespace glyphora
