// SPDX-License-Identifier: Apache-2.0
// qvt-config: configures trail cameras through their memory card, in windows or headless.
#include <fstream>
#include <iostream>
#include <system_error>

#include "dialogs/AppContext.h"
#include "app/CommandLine.h"
#include "automation/AutomationHost.h"
#include "qt/GuiMain.h"

#ifdef _WIN32
#ifndef NOMINMAX  // MinGW defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

#include <cstdio>

// A GUI-subsystem program has no console: a headless run started from one writes to it again.
// Streams the caller redirected to files or pipes are kept.
static void attachParentConsole() {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // _fileno is negative for a stream that has no handle at all; test it before asking for one.
    auto unconnected = [](FILE* f) { return _fileno(f) < 0 || _get_osfhandle(_fileno(f)) < 0; };
    FILE* unused = nullptr;
    if (unconnected(stdin)) freopen_s(&unused, "CONIN$", "r", stdin);
    if (unconnected(stdout)) freopen_s(&unused, "CONOUT$", "w", stdout);
    if (unconnected(stderr)) freopen_s(&unused, "CONOUT$", "w", stderr);
    std::ios::sync_with_stdio();
}
#endif

int main(int argc, char** argv) {
    using namespace qvt;
    std::string error;
    // A first look tells whether windows are needed: help, version, errors and scripts need no display.
    std::optional<app::CommandLine> cl = app::parseCommandLine({argv + 1, argv + argc}, error);
    const bool windows = cl && app::wantsWindows(*cl);
#ifdef _WIN32
    if (!windows) attachParentConsole();
#endif
    qt::ApplicationPtr application = qt::makeApplication(argc, argv, windows);
    // The application object has taken Qt's own options (-platform, -style, -session...) out of argv.
    if (windows) cl = app::parseCommandLine({argv + 1, argv + argc}, error);
    if (!cl) {
        std::cerr << "qvt-config: " << error << '\n';
        return 2;
    }
    if (cl->help) {
        std::cout << app::helpText();
        return 0;
    }
    if (cl->version) {
        std::cout << app::versionText();
        return 0;
    }
    std::filesystem::path root = cl->systemRoot ? *cl->systemRoot : platform::defaultSystemRoot();
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    if (!std::filesystem::is_directory(root, ec)) {
        std::cerr << "qvt-config: the system root " << root.string() << " is not a folder\n";
        return 2;
    }
    platform::Volumes volumes = cl->volumes.empty() ? platform::Volumes::discoverVolumes(root)
                                                    : platform::Volumes(root, cl->volumes);
    platform::Clock clock = cl->now ? platform::Clock(*cl->now) : platform::Clock();
    dialogs::AppContext context(std::move(volumes), clock, cl->ffmpeg);
    context.useProviderDatabase(cl->providerDatabase);

    if (cl->script) {
        if (*cl->script == "-") return automation::runAutomation(std::cin, std::cout, std::cerr, context);
        std::ifstream in;
        if (!automation::openScriptFile(*cl->script, in)) {
            std::cerr << "qvt-config: cannot read the script " << *cl->script << '\n';
            return 2;
        }
        return automation::runAutomation(in, std::cout, std::cerr, context);
    }
    return qt::runGui(context);
}
