#include "game/online/query_text.h"

#include <gtest/gtest.h>

#include "game/online/server_address.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

TEST(EncodeQueryText, UpperCasesAndEscapesTheSeventeenCharacters) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"ada", "ADA"},
        {"Ada Lovelace", "ADA%20LOVELACE"},
        {"-- anonymous --", "--%20ANONYMOUS%20--"},
        {"a+b", "A%7EB"},  // "+" becomes "~", and the tilde is escaped in turn
        {"~", "%7E"},
        {"50%", "50%25"},  // the "%" escape comes before any escape brings its own "%"
        {"%20", "%2520"},
        {"!\"#&'()*,/{|}", "%21%22%23%26%27%28%29%2A%2C%2F%7B%7C%7D"},
        {"+%  ~", "%7E%25%20%20%7E"},
        {"R&D", "R%26D"},
        {"a=b;c[d]<e>?@$:_.-^`\\", "A=B;C[D]<E>?@$:_.-^`\\"},  // not escaped
        {"\xe9\xc9z", "\xe9\xc9Z"},                            // only a to z change case
        {"0123456789", "0123456789"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EncodeQueryText(text);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(ServerAddress, TheFileNamesTheServerAndAnythingElseKeepsTheDefault) {
    testing::ScratchDir folder;
    const std::string path = folder.file("Server.txt");
    EXPECT_EQ(ReadServerAddress(path), kDefaultServerAddress);  // no file
    const struct {
        std::string contents;
        std::string expected;
    } cases[] = {
        {"http://scores.example.org:8047\n", "http://scores.example.org:8047"},
        {"# our club's server\r\n\r\n  https://club.example/scores/ \r\n", "https://club.example/scores"},
        {"http://10.0.0.5:8047", "http://10.0.0.5:8047"},
        {"", kDefaultServerAddress},
        {"scores.example.org\n", kDefaultServerAddress},
        {"ftp://scores.example.org\n", kDefaultServerAddress},
        {"http://\n", kDefaultServerAddress},
        {"http://a b\n", kDefaultServerAddress},
        {"http://example.org/?x=1\n", kDefaultServerAddress},
        {"http://" + std::string(300, 'x') + "\n", kDefaultServerAddress},
    };
    for (const auto& c : cases) {
        testing::WriteBytes(path, c.contents);
        EXPECT_EQ(ReadServerAddress(path), c.expected) << c.contents;
    }
}

}  // namespace
}  // namespace glyphora
