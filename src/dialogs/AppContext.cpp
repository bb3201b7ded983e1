// SPDX-License-Identifier: Apache-2.0
#include "dialogs/AppContext.h"

#include <utility>

#include "operators/MessagingState.h"
#include "operators/ProviderDatabase.h"

namespace qvt::dialogs {

AppContext::AppContext(platform::Volumes volumesIn, platform::Clock clockIn, std::string ffmpegIn)
    : volumes(std::move(volumesIn)),
      clock(clockIn),
      registry(volumes.systemRoot()),
      ffmpeg(std::move(ffmpegIn)),
      messaging_(std::make_unique<operators::MessagingState>()),
      providers_(std::make_unique<operators::ProviderDatabase>()) {}

AppContext::~AppContext() = default;

void AppContext::useProviderDatabase(const std::optional<std::filesystem::path>& commandLinePath) {
    *providers_ = operators::ProviderDatabase(operators::locateProviderDatabase(commandLinePath));
}

}  // namespace qvt::dialogs
