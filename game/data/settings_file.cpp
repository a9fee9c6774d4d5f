#include "game/data/settings_file.h"

#include <algorithm>

#include <cctype>
#include <cstdlib>

#include "common/data_file.h"
#include "common/ini_file.h"
#include "game/data/data_paths.h"

namespace glyphora {

namespace {

constexpr int kWindowWidth = 700;
constexpr int kWindowHeight = 450;

std::string TextOf(IniValueRef value, std::size_t maxLength) {
    return std::string(value.text().value_or("").substr(0, maxLength));
}

bool SameIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

std::string FreshRegcode(Random& random) {
    std::string code;
    for (std::size_t i = 0; i < Settings::kRegcodeLength; ++i) {
        int v = random.below(36);
        code += static_cast<char>(v <= 9 ? '0' + v : 'A' + (v - 10));
    }
    return code;
}

void ReadWindowPosition(IniHandle& ini, Settings& settings) {
    settings.windowX = ini.section("windowpos").key("x").toInt();
    settings.windowY = ini.section("windowpos").key("y").toInt();
}

void ReadOptions(IniHandle& ini, Settings& settings) {
    IniSectionRef options = ini.section("options");
    settings.queryF3 = options.key("query_F3").toInt() == 1;
    settings.difficulty = options.key("difficulty").toInt();
    settings.defaultName = TextOf(options.key("default_name"), Settings::kMaxDefaultName);
}

void ReadFreeGame(IniHandle& ini, Settings& settings) {
    IniSectionRef freeGame = ini.section("free_game");
    const std::string keys = TextOf(freeGame.key("keys"), 10);
    for (std::size_t i = 0; i < 10; ++i) settings.freeGameKeys[i / 2][i % 2] = i < keys.size() && keys[i] == '1';
    settings.startLevel = freeGame.key("start_level").toInt();
    settings.speedMod = freeGame.key("speed_mod").toInt();
    settings.chanceMod = freeGame.key("chance_mod").toInt();
    settings.maxLives = freeGame.key("max_lives").toInt();
}

void ReadIdentity(IniHandle& ini, Settings& settings, Random& random) {
    settings.musicVolume = ini.section("volume").key("music").toInt();
    settings.soundVolume = ini.section("volume").key("sound").toInt();
    settings.regcode = TextOf(ini.section("regcode").key("regcode"), Settings::kRegcodeLength);
    if (SameIgnoringCase(settings.regcode, kPlaceholderRegcode)) settings.regcode = FreshRegcode(random);
    for (int n = 0; n < 5; ++n) settings.groups[n] = TextOf(ini.section("groups").key(n), Settings::kMaxGroupName);
}

void Line(DataFile& file, const char* key, const std::string& value) {
    file.writeNewline();
    file.writeString(key);
    file.writeString(value);
}

void Line(DataFile& file, const char* key, int value) { Line(file, key, std::to_string(value)); }

void Header(DataFile& file, const char* header) {
    file.writeNewline();
    file.writeNewline();
    file.writeString(header);
}

bool WriteSettingsFile(const Settings& s, bool firstRun) {
    DataFile file;
    if (!file.openReplacing(paths::kSettings, "wt")) return false;
    file.writeString("[windowpos]");
    Line(file, "x=", s.windowX);
    Line(file, "y=", s.windowY);
    Header(file, "[options]");
    Line(file, "first_run=", firstRun ? 1 : 0);
    Line(file, "query_F3=", s.queryF3 ? 1 : 0);
    Line(file, "difficulty=", s.difficulty);
    Line(file, "default_name=", s.defaultName);
    Header(file, "[free_game]");
    std::string keys;
    for (const auto& row : s.freeGameKeys) keys += std::string(row[0] ? "1" : "0") + (row[1] ? "1" : "0");
    Line(file, "keys=", keys);
    Line(file, "start_level=", s.startLevel);
    Line(file, "speed_mod=", s.speedMod);
    Line(file, "chance_mod=", s.chanceMod);
    Line(file, "max_lives=", s.maxLives);
    Header(file, "[volume]");
    Line(file, "music=", s.musicVolume);
    Line(file, "sound=", s.soundVolume);
    Header(file, "[regcode]");
    Line(file, "regcode=", s.regcode);
    Header(file, "[groups]");
    file.writeNewline();
    for (int n = 0; n < 5; ++n) {
        file.writeString(std::to_string(n) + "=" + s.groups[n]);
        file.writeNewline();
    }
    file.writeNewline();
    return file.commit();
}

}  // namespace

void LoadSettings(Settings& settings, bool windowOnly, Random& random) {
    IniHandle ini;
    ini.open(std::string(paths::kSettings), "\n\r");
    if (windowOnly) {
        settings.firstRun = ini.section("options").key("first_run").toInt() == 1;
        if (!settings.firstRun) ReadWindowPosition(ini, settings);
        return;
    }
    if (!settings.firstRun) ReadWindowPosition(ini, settings);
    ReadOptions(ini, settings);
    ReadFreeGame(ini, settings);
    ReadIdentity(ini, settings, random);
}

bool SaveSettings(const Settings& settings) { return WriteSettingsFile(settings, false); }

bool SaveInstallSettings(const Settings& settings) { return WriteSettingsFile(settings, true); }

platform::Point ClampWindowPosition(platform::Point p, platform::Size screen) {
    constexpr platform::Size kBaseScreen{1024, 768};  // the screen the limits of 800 were made for
    const int right = 800 + std::max(0, screen.width - kBaseScreen.width);
    const int bottom = 800 + std::max(0, screen.height - kBaseScreen.height);
    const bool outside = p.x < -100 || p.x > right || p.y < -100 || p.y > bottom;
    return outside ? platform::Point{100, 100} : p;
}

platform::Point WindowPositionFromSettings(const Settings& settings, platform::Size screen) {
    if (settings.firstRun) { return {(screen.width - kWindowWidth) / 2, (screen.height - kWindowHeight) / 3}; }
    return ClampWindowPosition({settings.windowX, settings.windowY}, screen);
}

}  // namespace glyphora
