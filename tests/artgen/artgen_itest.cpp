// Runs the art generator and checks what the game relies on: the same bytes on
// every run, sheets of the table's sizes, one-pixel shared lines left fully
// transparent, and no accidental colour-key texels.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "game/engine/sheet_regions.h"

namespace glyphora::regions {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FileName(const SheetInfo& info) { return fs::path(info.file).filename().string(); }

struct SurfaceRelease {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// ARGB (premultiplied, so a transparent texel reads 0) of one texel.
std::uint32_t Texel(cairo_surface_t* surface, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x];
}

// A scratch directory for one test, removed afterwards.
class ArtGenerator : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / ("artgen-itest-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    // Runs the generator into root/name and returns that directory.
    fs::path Generate(const std::string& name) {
        const fs::path out = root_ / name;
        const std::string command = std::string(GLYPHORA_ARTGEN) + " " + out.string() + " > /dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return out;
    }

    fs::path root_;
};

TEST_F(ArtGenerator, WritesTheSameBytesOnEveryRun) {
    const fs::path first = Generate("first"), second = Generate("second");
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(first)) {
        const fs::path twin = second / entry.path().filename();
        ASSERT_TRUE(fs::exists(twin)) << twin;
        EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(twin)) << entry.path().filename();
        ++files;
    }
    EXPECT_EQ(files, 1 + 2 * static_cast<int>(std::size(kSheets)));  // icon, sheets, contact sheets
}

// Sheets of the table's sizes, no texel exactly the colour key, and the
// one-pixel lines that neighbouring regions share left fully transparent.
TEST_F(ArtGenerator, SheetsKeepTheLayoutContract) {
    const fs::path out = Generate("sheets");
    ASSERT_TRUE(fs::exists(out / "icon.png"));
    for (const SheetInfo& info : kSheets) {
        Surface sheet(cairo_image_surface_create_from_png((out / FileName(info)).c_str()));
        ASSERT_EQ(cairo_surface_status(sheet.get()), CAIRO_STATUS_SUCCESS) << info.file;
        EXPECT_EQ(cairo_image_surface_get_width(sheet.get()), info.width) << info.file;
        EXPECT_EQ(cairo_image_surface_get_height(sheet.get()), info.height) << info.file;
        int keyed = 0;
        for (int y = 0; y < info.height; ++y)
            for (int x = 0; x < info.width; ++x) keyed += Texel(sheet.get(), x, y) == kMagentaKey;
        EXPECT_EQ(keyed, 0) << info.file;
    }
    int lines = 0;
    ForEachOverlap([&](const Region& a, const Region& b, PixelRect shared) {
        if (!PairListed(kSharedLines, a, b)) return;
        Surface sheet(cairo_image_surface_create_from_png((out / FileName(InfoOf(a.sheet))).c_str()));
        for (int y = shared.y; y < shared.y + shared.h; ++y)
            for (int x = shared.x; x < shared.x + shared.w; ++x)
                EXPECT_EQ(Texel(sheet.get(), x, y) >> 24, 0u) << a.name << "/" << b.name << " at " << x << "," << y;
        ++lines;
    });
    EXPECT_GE(lines, static_cast<int>(std::size(kSharedLines)));
}

}  // namespace
}  // namespace glyphora::regions
