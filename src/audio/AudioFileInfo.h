// SPDX-License-Identifier: Apache-2.0
#pragma once
// A light look into audio files without decoding them: the WAV header (to check what the
// conversion produced) and the playing time of the user's source file (for the progress display).
// Every reader tolerates truncated or garbage files: they answer "don't know" instead.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace qvt::audio {

struct WavInfo {
    int format = 0;  // 1 = integer PCM
    int channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    int bitsPerSample = 0;
    std::uint64_t dataBytes = 0;  // the sample bytes present in the file
};

// A RIFF/WAVE file with a "fmt " and a "data" chunk; nullopt otherwise.
std::optional<WavInfo> readWavInfo(const std::filesystem::path& file);

// The playing time of a WAV, MP3 or ADTS AAC file, read from its headers; nullopt when the file is
// none of those or its headers make no sense.
std::optional<double> durationSeconds(const std::filesystem::path& file);

}  // namespace qvt::audio
