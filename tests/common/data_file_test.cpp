#include "common/data_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/swap_file_bytes.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

TEST(DataFileTest, TextModeStoresLineFeedsAsCrLf) {
    ScratchDir dir;
    DataFile file;
    ASSERT_TRUE(file.open(dir.file("t.txt"), "wt"));
    file.writeString("a\nb");
    file.writeNewline();
    file.writeInt(-42);
    file.writeByte(' ');
    file.writeFloat(0.1f);
    file.close();
    EXPECT_EQ(ReadBytes(dir.file("t.txt")), "a\r\nb\r\n-42 0.100000001");
}

TEST(DataFileTest, TextModeReadsCrLfAsLineFeedAndKeepsLoneCr) {
    ScratchDir dir;
    WriteBytes(dir.file("t.txt"), "one\r\ntwo\rthree\nlast\r");
    DataFile file;
    ASSERT_TRUE(file.open(dir.file("t.txt"), "rt"));
    std::string line;
    EXPECT_TRUE(file.readUntil(line, '\n'));
    EXPECT_EQ(line, "one");
    line.clear();
    EXPECT_TRUE(file.readUntil(line, '\n'));
    EXPECT_EQ(line, "two\rthree");
    line.clear();
    EXPECT_FALSE(file.readUntil(line, '\n'));
    EXPECT_EQ(line, "last\r");
    EXPECT_TRUE(file.atEnd());
}

TEST(DataFileTest, ReadIntCutsLongTokensAndClampsWithoutOverflow) {
    ScratchDir dir;
    WriteBytes(dir.file("n.txt"), std::string(80, '9') + "\n 17 \n-99999999999\nabc\n12");
    DataFile file;
    ASSERT_TRUE(file.open(dir.file("n.txt"), "r+t"));
    std::int32_t values[6] = {};
    for (std::int32_t& value : values) EXPECT_TRUE(file.readInt(value, '\n'));
    EXPECT_EQ(values[0], 2147483647);
    EXPECT_EQ(values[1], 17);
    EXPECT_EQ(values[2], -2147483647 - 1);
    EXPECT_EQ(values[3], 0);
    EXPECT_EQ(values[4], 12);  // the end of the file closes the token
    EXPECT_EQ(values[5], 0);
}

TEST(DataFileTest, RawModeIsLittleEndianAndRefusesTextReads) {
    ScratchDir dir;
    DataFile file;
    ASSERT_TRUE(file.open(dir.file("r.bin"), "wb"));
    file.writeInt(0x01020304);
    file.writeString("\n");
    file.writeFloat(1.0f);
    file.close();
    EXPECT_EQ(ReadBytes(dir.file("r.bin")), std::string("\x04\x03\x02\x01\n\x00\x00\x80\x3f", 9));

    ASSERT_TRUE(file.open(dir.file("r.bin"), "rb"));
    std::int32_t value = 0;
    std::string text;
    EXPECT_FALSE(file.readInt(value, '\n'));
    EXPECT_FALSE(file.readUntil(text, '\n'));
    EXPECT_TRUE(file.readRawInt(value));
    EXPECT_EQ(value, 0x01020304);
    file.skipLineEnd();
    float real = 0;
    EXPECT_TRUE(file.readRawFloat(real));
    EXPECT_EQ(real, 1.0f);
    value = 7;
    EXPECT_FALSE(file.readRawInt(value));  // nothing left: nothing taken
    EXPECT_EQ(value, 7);
}

TEST(DataFileTest, ReadBytesStopsAtTheEndAndTerminates) {
    ScratchDir dir;
    WriteBytes(dir.file("b.bin"), "abc");
    DataFile file;
    ASSERT_TRUE(file.open(dir.file("b.bin"), "rb"));
    char buffer[9];
    EXPECT_EQ(file.readBytes(buffer, 8), 3u);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_FALSE(file.open(dir.file("missing"), "rb"));
    EXPECT_EQ(file.readBytes(buffer, 8), 0u);
    EXPECT_TRUE(file.atEnd());
}

TEST(SwapFileBytesTest, TwiceIsTheIdentityAndAnOddLastByteStays) {
    ScratchDir dir;
    const std::string original("\x01\x02\x03\x04\x05", 5);
    WriteBytes(dir.file("s.bin"), original);
    ASSERT_TRUE(SwapFileBytes(dir.file("s.bin")));
    EXPECT_EQ(ReadBytes(dir.file("s.bin")), std::string("\x02\x01\x04\x03\x05", 5));
    ASSERT_TRUE(SwapFileBytes(dir.file("s.bin")));
    EXPECT_EQ(ReadBytes(dir.file("s.bin")), original);
}

TEST(SwapFileBytesTest, PairsAcrossLargeFilesAreSwappedEverywhere) {
    ScratchDir dir;
    std::string original(200001, '\0');  // several blocks of the copy, and an odd last byte
    for (std::size_t i = 0; i < original.size(); ++i) original[i] = static_cast<char>(i * 7 + i / 256);
    std::string swapped = original;
    for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    WriteBytes(dir.file("big.bin"), original);
    ASSERT_TRUE(SwapFileBytes(dir.file("big.bin")));
    EXPECT_EQ(ReadBytes(dir.file("big.bin")), swapped);
    ASSERT_TRUE(SwapFileBytes(dir.file("big.bin")));
    EXPECT_EQ(ReadBytes(dir.file("big.bin")), original);
}

TEST(SwapFileBytesTest, MissingFileLeavesNothingBehind) {
    ScratchDir dir;
    EXPECT_FALSE(SwapFileBytes(dir.file("missing")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missingX")));
    WriteBytes(dir.file("empty"), "");
    EXPECT_TRUE(SwapFileBytes(dir.file("empty")));
    EXPECT_EQ(ReadBytes(dir.file("empty")), "");
}

}  // namespace
}  // namespace glyphora
