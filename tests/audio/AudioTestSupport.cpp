// SPDX-License-Identifier: Apache-2.0
#include "audio/AudioTestSupport.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace qvt::test {

std::unique_ptr<TempDir> AudioTest::sources_;

namespace {

ui::DialogTemplate audioDialogTemplate() {
    ui::DialogTemplate t;
    t.title = "game call";
    t.controls = {ui::editSpec(1001, {.readOnly = true, .centred = true}), ui::buttonSpec(1002, "+")};
    return t;
}

std::uint32_t le(const std::string& b, std::size_t i, int n) {
    std::uint32_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[i + k]);
    return v;
}

}  // namespace

std::optional<Wav> parseWav(const std::string& b) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;
    Wav w;
    bool fmt = false;
    for (std::size_t pos = 12; pos + 8 <= b.size();) {
        const std::uint32_t size = le(b, pos + 4, 4);
        if (b.compare(pos, 4, "fmt ") == 0 && pos + 24 <= b.size()) {
            w.format = static_cast<int>(le(b, pos + 8, 2));
            w.channels = static_cast<int>(le(b, pos + 10, 2));
            w.rate = static_cast<int>(le(b, pos + 12, 4));
            w.bits = static_cast<int>(le(b, pos + 22, 2));
            fmt = true;
        } else if (b.compare(pos, 4, "data") == 0) {
            if (!fmt || pos + 8 + size > b.size()) return std::nullopt;  // the header must tell the truth
            w.dataBytes = size;
            return w;
        }
        pos += 8 + size + (size & 1);
    }
    return std::nullopt;
}

AudioTest::AudioTest() : dialog(host, audioDialogTemplate()), audio(dialog, pc.context.systemRoot(), pc.context.ffmpeg, [this] { return pc.card; }) {
    dialog.init();
    audio.resetField();
}

void AudioTest::SetUpTestSuite() {
    if (sources_) return;
    sources_ = std::make_unique<TempDir>();
    for (const char* ext : {"mp3", "wav", "aac"}) makeTone(source(ext));
}

std::vector<std::string> AudioTest::pictureFiles() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(pictures(), ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace qvt::test
