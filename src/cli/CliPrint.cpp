#include "cli/CliPrint.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/CliCommands.h"
#include "cli/CliMessages.h"
#include "platform/Ui.h"
#include "sheet/App.h"

namespace zoriduvo {

namespace {
// Beside the program in a build folder; in an installed tree where the install put it, found from
// the program's own place so that an unpacked or moved tree finds its own helper.
std::filesystem::path PrintHelper() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path() : self.parent_path();
    const std::filesystem::path beside = folder / "zoriduvo-print";
    if (std::filesystem::exists(beside, error)) return beside;
    return (folder / ZORIDUVO_PRINT_FROM_PROGRAM / "zoriduvo-print").lexically_normal();
}
}  // namespace

int RunPrint(App& app, Sheet&, const CliArguments& arguments, std::ostream& out) {
    const std::string helper = PrintHelper().string();
    out.flush();
    std::cout.flush();
    const char* argv[] = {helper.c_str(), arguments.files[0].c_str(), arguments.files[1].c_str(), nullptr};
    execv(helper.c_str(), const_cast<char* const*>(argv));
    // Only reached when the helper could not be started.
    app.ui.show(MessageOf(CliMessage::NoPrintHelper, {helper}));
    return kFileFailed;
}

}  // namespace zoriduvo
