// Parsing the score server's queries and command line, and its pages.
#include <gtest/gtest.h>

#include "server/command_line.h"
#include "server/query.h"
#include "server/show_page.h"
#include "server/show_query.h"

namespace glyphora::server {
namespace {

TEST(ParseQuery, DecodesEachFieldAndRefusesTheWholeQueryForAnyFault) {
    const ParsedQuery parsed = ParseQuery("name=A%7EB%20C&grp=&n=1+2", 5);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.fields.size(), 3u);
    EXPECT_EQ(*parsed.find("name"), "A~B C");
    EXPECT_EQ(*parsed.find("grp"), "");
    EXPECT_EQ(*parsed.find("n"), "1+2");  // a plus is a plus, never a blank
    EXPECT_EQ(parsed.find("none"), nullptr);
    EXPECT_TRUE(ParseQuery("", 5).ok());

    for (const char* bad : {"a", "a=1&", "&a=1", "a=1&&b=2", "=1", "A=1", "a-b=1", "a=1&a=2", "a=%", "a=%2", "a=%zz",
                            "a=%00", "a=%7F", "a=%FF", "a=\t", "a=1&b=2&c=3"}) {
        EXPECT_FALSE(ParseQuery(bad, 2).ok()) << bad;
    }
    EXPECT_FALSE(ParseQuery("a=" + std::string(kMaxQueryLength, 'x'), 2).ok());
}

TEST(ParseWholeNumber, TakesOnlyNumbersAsTheGameWritesThem) {
    const struct {
        const char* text;
        std::optional<std::int64_t> expected;
        // clang-format off
    } cases[] = {
        {"0", 0}, {"7", 7}, {"-7", -7}, {"2147483647", 2147483647}, {"2147483648", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"-0", std::nullopt}, {"07", std::nullopt}, {"+7", std::nullopt},
        {" 7", std::nullopt}, {"7 ", std::nullopt}, {"7a", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber(c.text, -100, 2147483647), c.expected) << c.text;
}

TEST(ParseShowRequest, TakesTheGamesLinkAndIgnoresParametersItDoesNotKnow) {
    const ParsedShowRequest parsed =
        ParseShowRequest("difficulty=2&grouptoshow=Chess%20club&playertoshow=ada&regcode=0A1B&group2=Beta&group0=ALPHA"
                         "&player1=A%7EB&player0=ADA&player14=50%25&player15=IGNORED&utm_source=mail");
    ASSERT_EQ(parsed.reason, "");
    const ShowRequest& r = parsed.request;
    EXPECT_EQ(r.difficulty, 2);
    EXPECT_EQ(r.group, "CHESS CLUB");
    EXPECT_EQ(r.player, "ADA");
    EXPECT_EQ(r.regcode, "0A1B");
    EXPECT_EQ(r.groups, (std::vector<std::string>{"ALPHA", "BETA"}));
    EXPECT_EQ(r.players, (std::vector<std::string>{"ADA", "A+B", "50%"}));
    EXPECT_EQ(ParseShowRequest("").request.difficulty, 1);

    for (const char* bad : {"difficulty=3", "difficulty=x",
                            "grouptoshow="
                            "AAAAAAAAAAAAAAAAAAAAA",
                            "player0=%7F", "regcode=AAAAAAAAAAAAAAAAAAAAA", "a=1&a=1"}) {
        EXPECT_NE(ParseShowRequest(bad).reason, "") << bad;
    }
}

TEST(ShowPage, EscapesEveryStoredTextAndSharesRanksOfEqualScores) {
    EXPECT_EQ(EscapeHtml("<a href=\"x\">'&'</a>"), "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
    EXPECT_EQ(EncodeQueryValue("A+B C&D%/.-_"), "A%2BB%20C%26D%25%2F.-_");

    ShowRequest request;
    request.difficulty = 0;
    request.player = "BOB";
    request.regcode = "R1";
    request.groups = {"<CLUB>"};
    ShowTables tables;
    tables.rows[0] = {
        {"ADA", "R1", 900, 9, 90}, {"BOB", "R1", 700, 7, 70}, {"<I>", "R2", 700, 6, 60}, {"BOB", "R2", 500, 5, 50}};
    const std::string html = RenderShowPage(request, tables);
    const auto row = [](int rank, const char* name) {
        return std::string("<td class=\"rank\">") + std::to_string(rank) + "</td><td class=\"name\">" + name + "</td>";
    };
    EXPECT_NE(html.find("<tr>" + row(1, "ADA")), std::string::npos);
    EXPECT_NE(html.find("<tr class=\"player\">" + row(2, "BOB")), std::string::npos);
    EXPECT_NE(html.find("<tr>" + row(2, "&lt;I&gt;")), std::string::npos);
    EXPECT_NE(html.find("<tr>" + row(4, "BOB")), std::string::npos);  // another installation's BOB
    EXPECT_NE(html.find("grouptoshow=%3CCLUB%3E&amp;playertoshow=BOB"), std::string::npos);
    EXPECT_NE(html.find("&lt;CLUB&gt;</a>"), std::string::npos);
    EXPECT_EQ(html.find("<CLUB>"), std::string::npos);
    EXPECT_NE(html.find("<section id=\"medium\"><h2>MEDIUM</h2><p class=\"empty\">NO SCORES YET</p>"),
              std::string::npos);
}

TEST(CommandLine, ReadsEveryOptionAndRefusesWhatItDoesNotKnow) {
    CommandLine line;
    EXPECT_EQ(ParseCommandLine({"--db", "x.sqlite", "--port", "9000", "--threads", "4", "--limit-installation",
                                "50/0.5", "--limit-address", "0", "--behind-proxy", "--host", "127.0.0.1", "--count"},
                               line),
              "");
    EXPECT_EQ(line.database, "x.sqlite");
    EXPECT_EQ(line.server.port, 9000);
    EXPECT_EQ(line.server.threads, 4);
    EXPECT_EQ(line.server.perInstallation.burst, 50);
    EXPECT_EQ(line.server.perInstallation.perSecond, 0.5);
    EXPECT_FALSE(line.server.perAddress.enabled());
    EXPECT_TRUE(line.server.behindProxy);
    EXPECT_EQ(line.server.host, "127.0.0.1");
    EXPECT_TRUE(line.count);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{{"--port", "70000"},
                                                                                     {"--port"},
                                                                                     {"--threads", "0"},
                                                                                     {"--limit-address", "5"},
                                                                                     {"--limit-address", "0/5"},
                                                                                     {"--colour", "red"},
                                                                                     {"scores.sqlite"}}) {
        CommandLine ignored;
        EXPECT_NE(ParseCommandLine(bad, ignored), "") << bad[0];
    }
}

}  // namespace
}  // namespace glyphora::server
