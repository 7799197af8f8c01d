#include <iostream>
#include <string>
#include <vector>

#include "app/StartUp.h"
#include "app/Version.h"
#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/ConsoleUi.h"
#include "cli/Subcommands.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "sheet/App.h"

int main(int argc, char* argv[]) {
    using namespace zoriduvo;
    std::string error;
    const auto arguments = ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::cerr << "zoriduvo-cli: " << error << "\n" << CliUsage();
        return kRefused;
    }
    if (arguments->command == "--version") {
        std::cout << "zoriduvo-cli " << VersionText() << "\n";
        return kDone;
    }
    ConsoleUi ui(std::cerr);
    ConsoleClipboard clipboard;
    SystemClock clock;
    SeededRandom random(clock);
    App app(ui, clipboard, clock, random);
    StartUp(app);
    return RunCliCommand(app, *arguments, std::cout);
}
