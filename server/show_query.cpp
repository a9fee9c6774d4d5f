#include "server/show_query.h"

#include <algorithm>
#include <map>

#include "server/query.h"
#include "server/submission.h"

namespace glyphora::server {
namespace {

// Everything a game's link carries, and room for a few parameters of others.
constexpr std::size_t kMaxShowFields = 4 + kMaxGroupsShown + kMaxPlayersShown + 8;

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// A name or group name of the query in the form it is stored.
bool ReadName(const std::string& value, std::string& out) {
    out = Upper(TypedText(value));
    return IsTypedText(out, std::max(kMaxName, kMaxGroup));
}

// The n of "group<n>" or "player<n>" below count, or -1.
int IndexedField(std::string_view key, std::string_view prefix, int count) {
    if (key.substr(0, prefix.size()) != prefix) return -1;
    const std::optional<std::int64_t> n = ParseWholeNumber(key.substr(prefix.size()), 0, count - 1);
    return n ? static_cast<int>(*n) : -1;
}

std::string ReadField(const QueryField& field, ShowRequest& request, std::map<int, std::string>& groups,
                      std::map<int, std::string>& players) {
    const std::string bad = "bad " + field.key + ": ";
    if (field.key == "difficulty") {
        const auto difficulty = ParseWholeNumber(field.value, 0, 2);
        if (!difficulty) return bad + "0, 1 or 2 is expected";
        request.difficulty = static_cast<int>(*difficulty);
    } else if (field.key == "regcode") {
        request.regcode = field.value;
        if (request.regcode.size() > kMaxRegcode) return bad + "at most 20 characters are expected";
    } else {
        std::string* target = nullptr;
        if (field.key == "grouptoshow") target = &request.group;
        else if (field.key == "playertoshow") target = &request.player;
        else if (const int g = IndexedField(field.key, "group", kMaxGroupsShown); g >= 0) target = &groups[g];
        else if (const int p = IndexedField(field.key, "player", kMaxPlayersShown); p >= 0) target = &players[p];
        if (target && !ReadName(field.value, *target))
            return bad + "at most 20 characters from space to } are expected";
    }
    return {};
}

}  // namespace

ParsedShowRequest ParseShowRequest(std::string_view query) {
    const ParsedQuery parsed = ParseQuery(query, kMaxShowFields);
    if (!parsed.ok()) return {{}, parsed.error};
    ParsedShowRequest result;
    std::map<int, std::string> groups, players;
    for (const QueryField& field : parsed.fields) {
        result.reason = ReadField(field, result.request, groups, players);
        if (!result.reason.empty()) return result;
    }
    for (auto& [index, group] : groups)
        if (!group.empty()) result.request.groups.push_back(std::move(group));
    for (auto& [index, player] : players)
        if (!player.empty()) result.request.players.push_back(std::move(player));
    return result;
}

}  // namespace glyphora::server
