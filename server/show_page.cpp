#include "server/show_page.h"

#include <algorithm>

namespace glyphora::server {
namespace {

constexpr const char* kDifficultyNames[kDifficulties] = {"EASY", "MEDIUM", "HARD"};
constexpr const char* kDifficultyAnchors[kDifficulties] = {"easy", "medium", "hard"};

// The colours of the game's menus: the grey header band with its title and
// yellow underline, grey table text, lime for the player's own places, the
// orange difficulty label on its panel, and the white buttons of the bottom
// band.
constexpr const char* kStyle = R"(
@font-face { font-family: "Bebas Neue"; src: url("BebasNeue-Regular.otf") format("opentype"); }
* { box-sizing: border-box; }
html { background: #ffffff; }
body { margin: 0; font-family: "Bebas Neue", "Oswald", "Arial Narrow", sans-serif; color: #999999;
       font-size: 22px; letter-spacing: 0.02em; min-height: 100vh; display: flex; flex-direction: column; }
a { color: inherit; text-decoration: none; }
.band { background: #f1f1f2; border-top: 1px solid #dcdce0; border-bottom: 2px solid #e2e2e6; }
.band .inner { max-width: 760px; margin: 0 auto; padding: 14px 20px 10px; display: flex; align-items: center;
               gap: 22px; }
.badge { width: 44px; height: 44px; border-radius: 50%; background: #8a9a6e; border: 3px solid #4d5545;
         color: #ffffff; font-size: 30px; line-height: 40px; text-align: center; flex: none; }
h1 { margin: 0; font-weight: normal; font-size: 46px; color: #6e6e74; line-height: 1;
     border-bottom: 5px solid #ffd027; padding-bottom: 2px; }
main { flex: 1; width: 100%; max-width: 760px; margin: 0 auto; padding: 10px 20px 30px; }
nav.groups { display: flex; flex-wrap: wrap; gap: 10px; justify-content: center; margin: 18px 0 6px; }
.button { display: inline-block; background: #fbfbfb; color: #626268; border: 1px solid #c2c2c6;
          border-radius: 4px; box-shadow: 0 2px 0 #b4b4b8; padding: 3px 14px 1px; font-size: 20px; }
.button.current { background: #f1f1f2; color: #d08a00; border-color: #d6d6da; box-shadow: none; }
.button:hover { color: #d08a00; }
section { margin-top: 26px; }
h2 { margin: 0 auto 8px; width: 210px; text-align: center; font-weight: normal; font-size: 26px; color: #d08a00;
     background: #f1f1f2; border: 1px solid #d6d6da; border-radius: 6px; padding: 6px 0 3px; }
table { border-collapse: collapse; margin: 0 auto; table-layout: fixed; width: 600px; max-width: 100%; }
th { font-weight: normal; color: #b4b4b8; font-size: 17px; padding: 2px 12px; }
td { padding: 3px 12px; white-space: pre; overflow: hidden; text-overflow: ellipsis; }
.rank { text-align: right; width: 60px; color: #c2c2c6; }
.name { text-align: right; width: 250px; border-right: 1px solid #808080; }
.score { text-align: left; width: 120px; }
.number { text-align: right; width: 85px; }
tr.player td { color: #aee400; }
p.empty { text-align: center; margin: 10px 0; }
p.note { text-align: center; color: #b4b4b8; font-size: 18px; margin: 6px 0 0; }
footer { background: #e5e5e5; margin-top: 30px; }
footer .inner { max-width: 760px; margin: 0 auto; padding: 14px 20px; display: flex; gap: 10px;
                justify-content: center; flex-wrap: wrap; }
)";

// The query of a link to the same page with another group shown.
std::string LinkTo(const ShowRequest& request, const std::string& group) {
    std::string query =
        "show.php?difficulty=" + std::to_string(request.difficulty) + "&grouptoshow=" + EncodeQueryValue(group) +
        "&playertoshow=" + EncodeQueryValue(request.player) + "&regcode=" + EncodeQueryValue(request.regcode);
    for (std::size_t i = 0; i < request.groups.size(); ++i)
        query += "&group" + std::to_string(i) + "=" + EncodeQueryValue(request.groups[i]);
    for (std::size_t i = 0; i < request.players.size(); ++i)
        query += "&player" + std::to_string(i) + "=" + EncodeQueryValue(request.players[i]);
    return EscapeHtml(query);
}

void AppendButton(std::string& html, const std::string& href, std::string_view label, bool current) {
    html += "<a class=\"button";
    html += current ? " current\"" : "\"";
    html += " href=\"" + href + "\">" + EscapeHtml(label) + "</a>";
}

// Everyone's tables and the player's groups (the one shown among them even
// when the link did not list it).
void AppendGroupLinks(std::string& html, const ShowRequest& request) {
    std::vector<std::string> groups = request.groups;
    if (!request.group.empty() && std::find(groups.begin(), groups.end(), request.group) == groups.end())
        groups.insert(groups.begin(), request.group);
    html += "<nav class=\"groups\">";
    AppendButton(html, LinkTo(request, ""), "EVERYONE", request.group.empty());
    for (const std::string& group : groups) AppendButton(html, LinkTo(request, group), group, group == request.group);
    html += "</nav>";
}

bool IsRequestPlayer(const ShowRequest& request, const TableRow& row) {
    if (!request.regcode.empty() && row.regcode != request.regcode) return false;
    return row.name == request.player ||
           std::find(request.players.begin(), request.players.end(), row.name) != request.players.end();
}

// Equal scores share a rank; the next score takes the rank of its position.
void AppendRows(std::string& html, const ShowRequest& request, const std::vector<TableRow>& rows) {
    int rank = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TableRow& row = rows[i];
        if (i == 0 || row.score != rows[i - 1].score) rank = static_cast<int>(i) + 1;
        html += IsRequestPlayer(request, row) ? "<tr class=\"player\">" : "<tr>";
        html += "<td class=\"rank\">" + std::to_string(rank) + "</td><td class=\"name\">" + EscapeHtml(row.name) +
                "</td><td class=\"score\">" + std::to_string(row.score) + "</td><td class=\"number\">" +
                std::to_string(row.level) + "</td><td class=\"number\">" + std::to_string(row.words) + "</td></tr>";
    }
}

void AppendTable(std::string& html, const ShowRequest& request, int difficulty, const std::vector<TableRow>& rows) {
    html += "<section id=\"" + std::string(kDifficultyAnchors[difficulty]) + "\"><h2>" + kDifficultyNames[difficulty] +
            "</h2>";
    if (rows.empty()) {
        html += "<p class=\"empty\">NO SCORES YET</p></section>";
        return;
    }
    html += "<table><thead><tr><th class=\"rank\">#</th><th class=\"name\">NAME</th><th class=\"score\">SCORE</th>"
            "<th class=\"number\">LEVEL</th><th class=\"number\">WORDS</th></tr></thead><tbody>";
    AppendRows(html, request, rows);
    html += "</tbody></table></section>";
}

void AppendHead(std::string& html, std::string_view title) {
    html += "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>";
    html += EscapeHtml(title);
    html += "</title><style>";
    html += kStyle;
    html += "</style></head><body><header class=\"band\"><div class=\"inner\"><div class=\"badge\">G</div>"
            "<h1>GLYPHORA HIGH SCORES</h1></div></header><main>";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&#39;"; break;
            default: escaped.push_back(c);
        }
    }
    return escaped;
}

std::string EncodeQueryValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        if (plain) {
            encoded.push_back(c);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return encoded;
}

std::string RenderShowPage(const ShowRequest& request, const ShowTables& tables) {
    std::string html;
    html.reserve(64 * 1024);
    AppendHead(html, request.group.empty() ? "Glyphora high scores" : "Glyphora high scores: " + request.group);
    AppendGroupLinks(html, request);
    if (!request.group.empty()) html += "<p class=\"note\">THE BEST OF THE GROUP " + EscapeHtml(request.group) + "</p>";
    AppendTable(html, request, request.difficulty, tables.rows[request.difficulty]);
    for (int d = 0; d < kDifficulties; ++d)
        if (d != request.difficulty) AppendTable(html, request, d, tables.rows[d]);
    html += "</main><footer><div class=\"inner\">";
    for (int d = 0; d < kDifficulties; ++d)
        AppendButton(html, std::string("#") + kDifficultyAnchors[d], kDifficultyNames[d], false);
    html += "</div></footer></body></html>\n";
    return html;
}

std::string RenderErrorPage(std::string_view reason) {
    std::string html;
    AppendHead(html, "Glyphora high scores");
    html += "<p class=\"empty\">" + EscapeHtml(reason) + "</p><nav class=\"groups\">";
    AppendButton(html, "show.php", "EVERYONE", false);
    html += "</nav></main></body></html>\n";
    return html;
}

}  // namespace glyphora::server
