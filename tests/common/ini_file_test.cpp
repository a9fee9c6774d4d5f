#include "common/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

// Every entry forEach reports, as "section|key=value" joined by ";".
std::string Dump(const IniFile& document) {
    std::string text;
    document.forEach([&](std::string_view section, std::string_view key, std::string_view value) {
        if (!text.empty()) text += ';';
        text += std::string(section) + '|' + std::string(key) + '=' + std::string(value);
    });
    return text;
}

struct ParseCase {
    const char* input;
    bool multiLine;
    const char* entries;
};

TEST(IniParseTest, YieldsTheEntriesOfEachLine) {
    const ParseCase cases[] = {
        ParseCase{"a=b=c", false, "|a=b=c"},
        ParseCase{"  key  =  some value  \n", false, "|key=some value"},
        ParseCase{"flag\n", false, "|flag=flag"},
        ParseCase{"flag  \n", false, "|flag  =flag"},
        ParseCase{"=v\n", false, "|=v"},
        ParseCase{"[s]\nk=1\n[]\nm=2\n", false, "|m=2;s|k=1"},
        ParseCase{"x = 1 ; note\n", false, "|x=1 ; note"},
        ParseCase{"k=[a] ; b=c\n", false, "|k=[a] ; b=c"},
        ParseCase{"; comment\n  ;indented comment\nk=v\n", false, "|k=v"},
        ParseCase{"[a]\nk=1\n[b]\nj=2\n[ a ]\nk=3\nl=4\n", false, "a|k=3;a|l=4;b|j=2"},
        ParseCase{"[A]\nk=1\n[a]\nk=2\n", false, "A|k=1;a|k=2"},
        ParseCase{"[s]tail=1\n", false, "s|tail=1"},
        ParseCase{"[s\nt]\nk=v\n", false, "s\nt|k=v"},
        ParseCase{"a=1\rb=2", false, "|a=1;|b=2"},
        ParseCase{"text=first\nsecond\n;END\nk=v\n", true, "|k=v;|text=first\nsecond"},
        ParseCase{"_k=a\nb\n", true, "|_k=a;|b=b"},
        ParseCase{"[_s]\nk=a\nb\n", true, "_s|b=b;_s|k=a"},
        ParseCase{"text=  open\nto the end  ", true, "|text=open\nto the end"},
        ParseCase{"t=x\n;END k=1\n;END; comment\n", true, "|k=1;|t=x"},
    };
    for (const ParseCase& c : cases) {
        IniFile document("\n\r", c.multiLine);
        document.parse(c.input);
        EXPECT_EQ(Dump(document), c.entries) << "input: " << c.input;
    }
}

TEST(IniValueTest, ToIntReadsTheLeadingNumber) {
    IniFile document;
    document.parse("empty=\nword=abc\nlead= 42x\nneg=-7\nhuge=99999999999\n");
    IniSectionRef root = document.section("");
    EXPECT_EQ(root.key("empty").toInt(), 0);
    EXPECT_EQ(root.key("word").toInt(), 0);
    EXPECT_EQ(root.key("lead").toInt(), 42);
    EXPECT_EQ(root.key("neg").toInt(), -7);
    EXPECT_EQ(root.key("huge").toInt(), 2147483647);
}

TEST(IniValueTest, LookupsCreateAbsentValuesThatAreNeverWritten) {
    IniHandle handle;
    EXPECT_EQ(handle.section("none").key("k").toInt(), 0);
    EXPECT_FALSE(handle.section("none").key("k").text().has_value());
    handle.section("s").key(3).assign("x");
    // The section made by the lookup is written as a bare header.
    EXPECT_EQ(handle.document()->toText(0), "\n\n[none]\n\n\n[s]\n\n3 = x\n");
    EXPECT_EQ(Dump(*handle.document()), "s|3=x");
}

TEST(IniCursorTest, StopsWhereKeyOrValueIsNonEmptyInForEachOrder) {
    IniFile document;
    document.parse("[b]\nz=1\n[a]\n=root\ny=2\n");
    document.section("a").key("absent");
    std::string seen;
    for (IniCursor cursor(document); cursor.next();) {
        seen += cursor.section().name + "|" + cursor.entry().key + "=" + cursor.entry().value.value_or("<none>") + ";";
    }
    EXPECT_EQ(seen, "a|=root;a|absent=<none>;a|y=2;b|z=1;");
}

TEST(IniWriteTest, SaveWritesHeadersAndEntriesWithCrLf) {
    ScratchDir dir;
    IniFile document;
    document.parse("[s]\nk=v\n");
    ASSERT_TRUE(document.save(dir.file("plain.ini"), 0));
    EXPECT_EQ(ReadBytes(dir.file("plain.ini")), "\r\n\r\n[s]\r\n\r\nk = v\r\n");
    ASSERT_TRUE(document.save(dir.file("all.ini"), kIniWriteUnnamed));
    EXPECT_EQ(ReadBytes(dir.file("all.ini")), "\r\n\r\n[]\r\n\r\n = \r\n\r\n[s]\r\n\r\n = \r\nk = v\r\n");
    ASSERT_TRUE(document.save(dir.file("plain.ini"), kIniAppend));
    EXPECT_EQ(ReadBytes(dir.file("plain.ini")), "\r\n\r\n[s]\r\n\r\nk = v\r\n\r\n\r\n[s]\r\n\r\nk = v\r\n");
}

TEST(IniWriteTest, WalksTheTreesInPreOrderGreaterBeforeLesser) {
    IniFile document;
    document.parse("[m]\nb=1\nc=2\na=3\n[c]\nx=1\n[x]\nx=1\n[a]\nx=1\n");
    EXPECT_EQ(document.toText(0), "\n\n[m]\n\nb = 1\nc = 2\na = 3\n\n[x]\n\nx = 1\n\n[c]\n\nx = 1\n\n[a]\n\nx = 1\n");
    // toText closes a header with the line end twice, save with L and "\n".
    IniFile carriage("\r\n");
    carriage.parse("[s]\rk=v\r");
    EXPECT_EQ(carriage.toText(0), "\n\r[s]\r\rk = v\r");
}

TEST(IniLoadTest, ReadsCrLfLoneCrAndNulAsLineEnds) {
    ScratchDir dir;
    WriteBytes(dir.file("a.ini"), std::string("[s]\r\na=1\r\nb=2\rc=3\0d=4", 22));
    IniHandle handle;
    handle.open(dir.file("a.ini"));
    EXPECT_EQ(Dump(*handle.document()), "s|a=1;s|b=2;s|c=3;s|d=4");
}

TEST(IniLoadTest, MissingFileLeavesAnEmptyDocument) {
    ScratchDir dir;
    IniFile document;
    EXPECT_FALSE(document.load(dir.file("missing.ini")));
    EXPECT_EQ(Dump(document), "");
}

// A file of sorted keys turns the unbalanced tree into a list; loading,
// writing and freeing it must stay fast and must not recurse per node.
TEST(IniLoadTest, ManySortedKeysStayLinear) {
    ScratchDir dir;
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "k" + std::to_string(1000000 + i) + "=1\n";
    WriteBytes(dir.file("big.ini"), text);
    auto start = std::chrono::steady_clock::now();
    {
        IniHandle handle;
        handle.open(dir.file("big.ini"));
        EXPECT_EQ(handle.section("").key("k1199999").toInt(), 1);
        EXPECT_GT(handle.document()->toText(0).size(), text.size());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
}  // namespace glyphora
