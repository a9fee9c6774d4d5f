// Reads any bytes as the query of a write request and of a show page, as
// the score server does, and checks what the parsers hand on.
#include <string_view>

#include "fuzz_file.h"
#include "server/query.h"
#include "server/show_query.h"
#include "server/submission.h"

using namespace glyphora;
using namespace glyphora::server;

namespace {

void CheckSubmission(const Submission& s) {
    const Entry& e = s.entry;
    fuzz::Require(!e.name.empty() && IsTypedText(e.name, kMaxName) && IsTypedText(s.group, kMaxGroup));
    fuzz::Require(!e.regcode.empty() && e.regcode.size() <= kMaxRegcode && s.signature.size() == 16);
    fuzz::Require(e.difficulty >= 0 && e.difficulty <= 2 && e.score > 0 && e.level > 0 && e.letters >= 0 &&
                  e.words >= 0 && e.bars >= 0 && e.panics >= 0);
    SignatureMatches(s);
}

void CheckShowRequest(const ShowRequest& r) {
    fuzz::Require(r.difficulty >= 0 && r.difficulty <= 2 && r.regcode.size() <= kMaxRegcode);
    fuzz::Require(r.groups.size() <= kMaxGroupsShown && r.players.size() <= kMaxPlayersShown);
    for (const std::string* text : {&r.group, &r.player}) fuzz::Require(IsTypedText(*text, 20));
    for (const auto& list : {r.groups, r.players})
        for (const std::string& text : list) fuzz::Require(!text.empty() && IsTypedText(text, 20));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    const ParsedQuery parsed = ParseQuery(query, 40);
    for (const QueryField& field : parsed.fields)
        for (const char c : field.value) fuzz::Require(c >= 32 && c <= 126);
    const ParsedSubmission submission = ParseSubmission(query);
    fuzz::Require(submission.submission.has_value() == submission.reason.empty());
    if (submission.submission) CheckSubmission(*submission.submission);
    const ParsedShowRequest show = ParseShowRequest(query);
    if (show.reason.empty()) CheckShowRequest(show.request);
    return 0;
}
