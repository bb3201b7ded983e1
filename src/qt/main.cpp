// qvt-config: configures trail cameras through their memory card, in windows or headless.
#include <fstream>
#include <iostream>
#include <system_error>

#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "automation/AutomationHost.h"
#include "qt/GuiMain.h"

int main(int argc, char** argv) {
    using namespace qvt;
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    std::optional<app::CommandLine> cl = app::ParseCommandLine(args, error);
    if (!cl) {
        std::cerr << "qvt-config: " << error << '\n' << app::kUsage;
        return 2;
    }
    if (cl->help) {
        std::cout << app::kUsage;
        return 0;
    }
    std::filesystem::path root = cl->systemRoot ? *cl->systemRoot : platform::DefaultSystemRoot();
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    if (!std::filesystem::is_directory(root, ec)) {
        std::cerr << "qvt-config: the system root " << root.string() << " is not a folder\n";
        return 2;
    }
    platform::Volumes volumes = cl->volumes.empty() ? platform::Volumes::Discover(root)
                                                    : platform::Volumes(root, cl->volumes);
    platform::Clock clock = cl->now ? platform::Clock(*cl->now) : platform::Clock();
    app::AppContext context(std::move(volumes), clock, cl->ffmpeg);

    if (cl->script) {
        if (*cl->script == "-") return automation::RunAutomation(std::cin, std::cout, std::cerr, context);
        std::ifstream in;
        if (!automation::OpenScriptFile(*cl->script, in)) {
            std::cerr << "qvt-config: cannot read the script " << *cl->script << '\n';
            return 2;
        }
        return automation::RunAutomation(in, std::cout, std::cerr, context);
    }
    return qt::RunGui(argc, argv, context);
}
