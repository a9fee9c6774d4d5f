#include "launcher/launcher_flow.h"

#include "launcher/check_record.h"
#include "launcher/start_game.h"

namespace glyphora {
namespace {

int StartGameOrReport(LauncherServices& services) {
    if (StartGame(services.processes, services.installFolder)) return 0;
    ReportGameStartFailure(services.desktop, services.installFolder);
    return 1;
}

}  // namespace

int RunLauncher(LauncherServices& services) {
    const std::string record = CheckRecordPath(services.installFolder);
    if (ReadCheckRecord(record) != 0) return StartGameOrReport(services);

    DirectXVersion version = 0;
    QueryDirectXVersion(services.provider, services.reader, &version, nullptr);
    if (version >= kRequiredDirectXVersion) {
        WriteCheckRecord(record, 1);
        return StartGameOrReport(services);
    }
    WriteCheckRecord(record, 0);
    const platform::MessageBoxAnswer answer = services.desktop.messageBox(kDirectXQuestionCaption, kDirectXQuestion,
                                                                          platform::MessageBoxStyle::YesNoQuestion);
    if (answer == platform::MessageBoxAnswer::Yes) OpenDirectXPage(services.shell, services.installFolder);
    return 0;
}

}  // namespace glyphora
