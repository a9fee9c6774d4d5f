#pragma once
// show.php: which tables the page shows and whose names it marks.
#include <string>
#include <string_view>
#include <vector>

namespace glyphora::server {

inline constexpr int kMaxGroupsShown = 5;
inline constexpr int kMaxPlayersShown = 15;

struct ShowRequest {
    int difficulty = 1;                // the table shown first
    std::string group;                 // upper case; empty: everyone's tables
    std::string player;                // the player the game opened the page for
    std::string regcode;               // that player's installation
    std::vector<std::string> groups;   // the player's groups, group0 first: the page links them
    std::vector<std::string> players;  // every name of the player's tables: marked wherever listed
};

struct ParsedShowRequest {
    ShowRequest request;
    std::string reason;  // one line; empty when the query parsed
};

// The query of a show page: difficulty (0 to 2, default 1), grouptoshow,
// playertoshow, regcode and group0 to group4, player0 to player14. A page is
// opened by people as well as by the game, so parameters it does not know
// are ignored and every known one may be missing; a known one with a bad
// value (a name longer than 20 characters, say) refuses the query. Names and
// groups are taken in upper case.
ParsedShowRequest ParseShowRequest(std::string_view query);

}  // namespace glyphora::server
