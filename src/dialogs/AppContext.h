// SPDX-License-Identifier: Apache-2.0
#pragma once
// The application-wide state that outlives a dialog: the PC's volumes and clock, the remembered
// choice store, the conversion tool, the model code being configured, the messaging state and the
// provider database. The operator types stay behind this header, so that a front end which only
// hands the context on does not see them.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/RegistryStore.h"
#include "platform/Volumes.h"

namespace qvt::operators {
struct MessagingState;
class ProviderDatabase;
}  // namespace qvt::operators

namespace qvt::dialogs {

class AppContext {
public:
    AppContext(platform::Volumes volumesIn, platform::Clock clockIn, std::string ffmpegIn = {});
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    platform::Volumes volumes;
    platform::Clock clock;
    platform::RegistryStore registry;
    std::string ffmpeg;            // conversion tool given on the command line ("" = staged or on PATH)
    std::string CurrentModelCode;  // set once before the settings dialog opens

    operators::MessagingState& messaging() { return *messaging_; }
    // For "Find operator…"; none until the program names one.
    operators::ProviderDatabase& providers() { return *providers_; }
    // The database the command line names, or the one the system has.
    void useProviderDatabase(const std::optional<std::filesystem::path>& commandLinePath);

    const std::filesystem::path& systemRoot() const { return volumes.systemRoot(); }

private:
    std::unique_ptr<operators::MessagingState> messaging_;
    std::unique_ptr<operators::ProviderDatabase> providers_;
};

}  // namespace qvt::dialogs
