// SPDX-License-Identifier: Apache-2.0
// qvt-config: configures trail cameras through their memory card, in windows or headless.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
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
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

// A GUI-subsystem program has no console: a headless run started from one writes to it again.
// Streams the caller redirected to files or pipes are kept.
// Lines end in "\n" as on every other system, so the automation output is the same bytes.
static void useBinaryOutput() {
    for (FILE* f : {stdout, stderr})
        if (_fileno(f) >= 0) _setmode(_fileno(f), _O_BINARY);
}

static void attachParentConsole() {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // _fileno is negative for a stream that has no handle at all; test it before asking for one.
    auto unconnected = [](FILE* f) { return _fileno(f) < 0 || _get_osfhandle(_fileno(f)) < 0; };
    FILE* unused = nullptr;
    if (unconnected(stdin)) freopen_s(&unused, "CONIN$", "r", stdin);
    if (unconnected(stdout)) freopen_s(&unused, "CONOUT$", "w", stdout);
    if (unconnected(stderr)) freopen_s(&unused, "CONOUT$", "w", stderr);
    useBinaryOutput();
    std::ios::sync_with_stdio();
}
#endif

#if !defined(_WIN32) && !defined(__APPLE__)
// Whether a windowed run on this PC has no window system to show its windows on: neither an X nor a
// Wayland display is named, and the window system plugin (-platform, else QT_QPA_PLATFORM) is one
// that needs one, or is left to Qt. Qt itself would abort with its plugin message instead.
static bool lacksDisplay(int argc, char** argv) {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    std::string plugins = set("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.starts_with("--")) arg.remove_prefix(1);
        const std::size_t eq = arg.find('=');
        const std::string_view name = arg.substr(0, eq);
        const bool valueNext = eq == std::string_view::npos && i + 1 < argc;
        if (name == "-display") return false;  // an X display named on the command line
        if (name == "-platform") plugins = eq != std::string_view::npos ? std::string(arg.substr(eq + 1))
                                           : valueNext                  ? std::string(argv[i + 1])
                                                                        : plugins;
    }
    if (set("DISPLAY") || set("WAYLAND_DISPLAY")) return false;
    // "xcb", "wayland", "wayland-egl;xcb", "xcb:nograb": any other plugin in the list may do without.
    std::string_view rest = plugins;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        std::string_view plugin = rest.substr(0, end);
        plugin = plugin.substr(0, plugin.find(':'));
        if (!plugin.empty() && plugin != "xcb" && !plugin.starts_with("wayland")) return false;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return true;
}
#endif

int main(int argc, char** argv) {
    using namespace qvt;
#ifdef _WIN32
    useBinaryOutput();
#endif
    std::string error;
    // A first look tells whether windows are needed: help, version, errors and scripts need no display.
    std::optional<app::CommandLine> cl = app::parseCommandLine({argv + 1, argv + argc}, error);
    const bool windows = cl && app::wantsWindows(*cl);
#ifdef _WIN32
    if (!windows) attachParentConsole();
#elif !defined(__APPLE__)
    if (windows && lacksDisplay(argc, argv)) {
        std::cerr << "qvt-config: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                     "--script FILE runs the program headless without one.\n";
        return 2;
    }
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
