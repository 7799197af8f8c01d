#include <csignal>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "app/StartUp.h"
#include "app/Version.h"
#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/CliMessages.h"
#include "cli/Subcommands.h"
#include "files/FileProblem.h"
#include "platform/Clock.h"
#include "platform/ConsoleUi.h"
#include "platform/Random.h"
#include "sheet/App.h"

namespace {

using namespace zoriduvo;

int Run(const CliArguments& arguments, Ui& ui) {
    if (arguments.command == "--version") {
        std::cout << "zoriduvo-cli " << VersionText() << "\n";
        return kDone;
    }
    ConsoleClipboard clipboard;
    SystemClock clock;
    SeededRandom random(clock);
    App app(ui, clipboard, clock, random);
    StartUp(app);
    try {
        return RunCliCommand(app, arguments, std::cout);
    } catch (const std::bad_alloc&) {
        // Files are written whole or not at all, so nothing half-written stays behind.
        ShowFileProblem(ui, {FileError::OutOfMemory});
        return kFileFailed;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that closed the pipe early is a write error to report, not a reason to die silently.
    std::signal(SIGPIPE, SIG_IGN);
    std::string error;
    const auto arguments = ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::cerr << "zoriduvo-cli: " << error << "\n" << CliUsage();
        return kRefused;
    }
    ConsoleUi ui(std::cerr);
    const int status = Run(*arguments, ui);
    // Results not all delivered (a full disk, a closed pipe) are a failure, whatever came before.
    if (!std::cout.flush()) {
        ui.show(MessageOf(CliMessage::OutputFailed));
        return kFileFailed;
    }
    return status;
}
