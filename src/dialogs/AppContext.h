// SPDX-License-Identifier: Apache-2.0
#pragma once
// The application-wide state that outlives a dialog: the PC's volumes and clock, the remembered
// choice store, the conversion tool, the model code being configured, the messaging state and the
// provider database.
#include <filesystem>
#include <string>

#include "operators/MessagingState.h"
#include "operators/ProviderDatabase.h"
#include "platform/Clock.h"
#include "platform/RegistryStore.h"
#include "platform/Volumes.h"

namespace qvt::dialogs {

struct AppContext {
    AppContext(platform::Volumes volumesIn, platform::Clock clockIn, std::string ffmpegIn = {})
        : volumes(std::move(volumesIn)),
          clock(clockIn),
          registry(volumes.systemRoot()),
          ffmpeg(std::move(ffmpegIn)) {}

    platform::Volumes volumes;
    platform::Clock clock;
    platform::RegistryStore registry;
    std::string ffmpeg;            // conversion tool given on the command line ("" = staged or on PATH)
    std::string CurrentModelCode;  // set once before the settings dialog opens
    operators::MessagingState messaging;
    operators::ProviderDatabase providers;  // for "Find operator…"; none unless the program sets one

    const std::filesystem::path& systemRoot() const { return volumes.systemRoot(); }
};

}  // namespace qvt::dialogs
