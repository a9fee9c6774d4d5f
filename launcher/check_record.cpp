#include "launcher/check_record.h"

#include "common/data_file.h"
#include "common/ini_file.h"
#include "common/player_folder.h"

namespace glyphora {

std::string CheckRecordPath(const std::string& installFolder) {
    return (ChoosePlayerFolder(installFolder + "/Data") / "Data" / "Libraries.ini").string();
}

int ReadCheckRecord(const std::string& path) {
    IniHandle record;
    record.open(path, "\n\r");
    return record.section("DirectX").key("Installed").toInt();
}

bool WriteCheckRecord(const std::string& path, int installed) {
    DataFile record;
    if (!record.open(path, "wt")) return false;
    record.writeString("[DirectX]");
    record.writeNewline();
    record.writeString("Installed=");
    record.writeInt(installed);
    record.close();
    return true;
}

}  // namespace glyphora
