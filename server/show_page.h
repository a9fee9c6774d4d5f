#pragma once
// The show page: the online tables as a web page that looks like the game's
// own high-score screen. Plain HTML and CSS, no scripts; every text that came
// from a player is escaped.
#include <string>
#include <string_view>
#include <vector>

#include "server/show_query.h"
#include "server/storage.h"

namespace glyphora::server {

inline constexpr int kDifficulties = 3;
inline constexpr int kTableLength = 100;
inline constexpr const char* kFontPath = "/glyphora/highscores/BebasNeue-Regular.otf";

// The tables of one page, indexed by difficulty.
struct ShowTables {
    std::vector<TableRow> rows[kDifficulties];
};

// text with & < > " ' replaced by character references.
std::string EscapeHtml(std::string_view text);

// text percent-encoded for a query value: every byte but letters, digits
// and - _ . as %XX.
std::string EncodeQueryValue(std::string_view text);

// The page: the table of the request's difficulty first, then the others;
// links to everyone's tables and to each of the request's groups; the rows
// of the request's players (of its installation, when it names one) marked.
std::string RenderShowPage(const ShowRequest& request, const ShowTables& tables);

// A short page for a refused show request, with the reason.
std::string RenderErrorPage(std::string_view reason);

}  // namespace glyphora::server
