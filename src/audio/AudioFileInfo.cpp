// SPDX-License-Identifier: Apache-2.0
#include "audio/AudioFileInfo.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace qvt::audio {

namespace {

// Random access to a file that may be shorter than its headers claim: reads return what is there.
class Reader {
public:
    explicit Reader(const fs::path& file) {
        // only plain files: opening a pipe or a device for reading could wait for ever.
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) return;
        const auto size = fs::file_size(file, ec);
        if (ec) return;
        in_.open(file, std::ios::binary);
        size_ = size;
    }
    bool ok() const { return static_cast<bool>(in_) && size_ > 0; }
    std::uint64_t size() const { return size_; }

    std::string read(std::uint64_t offset, std::size_t count) {
        if (offset >= size_) return {};
        if (count > size_ - offset) count = static_cast<std::size_t>(size_ - offset);
        std::string bytes(count, '\0');
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        in_.read(bytes.data(), static_cast<std::streamsize>(count));
        bytes.resize(static_cast<std::size_t>(in_.gcount()));
        return bytes;
    }

private:
    std::ifstream in_;
    std::uint64_t size_ = 0;
};

std::uint8_t byteAt(const std::string& s, std::size_t i) {
    return static_cast<std::uint8_t>(s[i]);
}

std::uint32_t le16(const std::string& s, std::size_t i) {
    return byteAt(s, i) | (std::uint32_t{byteAt(s, i + 1)} << 8);
}
std::uint32_t le32(const std::string& s, std::size_t i) {
    return le16(s, i) | (le16(s, i + 2) << 16);
}
std::uint32_t be32(const std::string& s, std::size_t i) {
    return (std::uint32_t{byteAt(s, i)} << 24) | (std::uint32_t{byteAt(s, i + 1)} << 16) |
           (std::uint32_t{byteAt(s, i + 2)} << 8) | byteAt(s, i + 3);
}

// Where the audio begins: after an ID3v2 tag, which tagging programs put before MP3 and AAC data.
std::uint64_t audioStart(Reader& r) {
    const std::string head = r.read(0, 10);
    if (head.size() < 10 || head.compare(0, 3, "ID3") != 0) return 0;
    std::uint64_t size = 0;
    for (std::size_t i = 6; i < 10; ++i) size = (size << 7) | (byteAt(head, i) & 0x7F);  // "sync-safe" digits
    const bool footer = (byteAt(head, 5) & 0x10) != 0;
    return 10 + size + (footer ? 10 : 0);
}

// ---- MP3 ------------------------------------------------------------------------------------

struct MpegFrame {
    int version = 0;  // 1 = MPEG-1, 2 = MPEG-2, 25 = MPEG-2.5
    int layer = 0;
    std::uint32_t bitrate = 0;  // bits per second
    std::uint32_t sampleRate = 0;
    bool mono = false;
    std::uint32_t length = 0;  // bytes, header included
    std::uint32_t samples = 0;
};

std::optional<MpegFrame> mpegFrameAt(const std::string& buf, std::size_t i) {
    if (i + 4 > buf.size()) return std::nullopt;
    const std::uint8_t b1 = byteAt(buf, i + 1), b2 = byteAt(buf, i + 2), b3 = byteAt(buf, i + 3);
    if (byteAt(buf, i) != 0xFF || (b1 & 0xE0) != 0xE0) return std::nullopt;
    const int versionBits = (b1 >> 3) & 3;
    const int layerBits = (b1 >> 1) & 3;
    const int bitrateIndex = b2 >> 4;
    const int rateIndex = (b2 >> 2) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;

    static constexpr std::array<std::array<int, 15>, 5> kKbps{{
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG-1 layer I
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG-1 layer II
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG-1 layer III
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG-2/2.5 layer I
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG-2/2.5 layers II, III
    }};
    static constexpr std::array<std::uint32_t, 3> kRates{44100, 48000, 32000};

    MpegFrame f;
    f.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
    f.layer = 4 - layerBits;
    const int table = f.version == 1 ? f.layer - 1 : (f.layer == 1 ? 3 : 4);
    f.bitrate = static_cast<std::uint32_t>(kKbps[table][bitrateIndex]) * 1000;
    f.sampleRate = kRates[rateIndex] / (f.version == 1 ? 1 : f.version == 2 ? 2 : 4);
    f.mono = (b3 >> 6) == 3;
    const std::uint32_t padding = (b2 >> 1) & 1;
    if (f.layer == 1) {
        f.samples = 384;
        f.length = (12 * f.bitrate / f.sampleRate + padding) * 4;
    } else {
        f.samples = (f.layer == 3 && f.version != 1) ? 576 : 1152;
        f.length = f.samples / 8 * f.bitrate / f.sampleRate + padding;
    }
    if (f.length < 4) return std::nullopt;
    return f;
}

std::optional<double> mp3Duration(Reader& r) {
    const std::uint64_t start = audioStart(r);
    const std::string buf = r.read(start, std::size_t{64} * 1024);
    for (std::size_t i = 0; i + 4 <= buf.size(); ++i) {
        const std::optional<MpegFrame> f = mpegFrameAt(buf, i);
        if (!f) continue;
        // A lone sync pattern in garbage is no frame: the next frame must follow where this one ends.
        const std::size_t next = i + f->length;
        if (next + 4 <= buf.size()) {
            const std::optional<MpegFrame> g = mpegFrameAt(buf, next);
            if (!g || g->version != f->version || g->layer != f->layer || g->sampleRate != f->sampleRate) continue;
        } else if (start + next < r.size()) {
            continue;
        }

        // Encoders put the frame count into a "Xing"/"Info" or "VBRI" header inside the first frame.
        if (f->layer == 3) {
            const std::size_t side = f->version == 1 ? (f->mono ? 17 : 32) : (f->mono ? 9 : 17);
            const std::size_t xing = i + 4 + side;
            if (xing + 12 <= buf.size() && (buf.compare(xing, 4, "Xing") == 0 || buf.compare(xing, 4, "Info") == 0) &&
                (be32(buf, xing + 4) & 1) != 0) {
                return static_cast<double>(be32(buf, xing + 8)) * f->samples / f->sampleRate;
            }
            const std::size_t vbri = i + 36;
            if (vbri + 18 <= buf.size() && buf.compare(vbri, 4, "VBRI") == 0)
                return static_cast<double>(be32(buf, vbri + 14)) * f->samples / f->sampleRate;
        }
        // Otherwise constant bit rate: the audio bytes at that rate, a trailing ID3v1 tag left out.
        std::uint64_t end = r.size();
        if (end >= 128 && r.read(end - 128, 3) == "TAG") end -= 128;
        const std::uint64_t first = start + i;
        if (end <= first) return std::nullopt;
        return static_cast<double>(end - first) * 8.0 / f->bitrate;
    }
    return std::nullopt;
}

// ---- AAC in ADTS frames -------------------------------------------------------------------------

bool adtsHeader(const std::string& h) {
    return h.size() >= 7 && byteAt(h, 0) == 0xFF && (byteAt(h, 1) & 0xF6) == 0xF0;
}

std::optional<double> adtsDuration(Reader& r) {
    static constexpr std::array<std::uint32_t, 13> kRates{96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                                          22050, 16000, 12000, 11025, 8000,  7350};
    std::uint64_t pos = audioStart(r);
    double seconds = 0;
    bool any = false;
    // Every frame has its own header with its length: walk them (a few thousand per minute).
    for (int frames = 0; frames < 4'000'000; ++frames) {
        const std::string h = r.read(pos, 7);
        if (!adtsHeader(h)) break;
        const unsigned rateIndex = (byteAt(h, 2) >> 2) & 0xF;
        const std::uint32_t length =
            ((byteAt(h, 3) & 3u) << 11) | (std::uint32_t{byteAt(h, 4)} << 3) | (byteAt(h, 5) >> 5);
        if (rateIndex >= kRates.size() || length < 7) break;
        seconds += ((byteAt(h, 6) & 3) + 1) * 1024.0 / kRates[rateIndex];
        any = true;
        pos += length;
    }
    if (!any) return std::nullopt;
    return seconds;
}

}  // namespace

std::optional<WavInfo> readWavInfo(const fs::path& file) {
    Reader r(file);
    if (!r.ok()) return std::nullopt;
    const std::string head = r.read(0, 12);
    if (head.size() < 12 || head.compare(0, 4, "RIFF") != 0 || head.compare(8, 4, "WAVE") != 0) return std::nullopt;

    WavInfo info;
    bool haveFormat = false;
    bool haveData = false;
    std::uint64_t pos = 12;
    for (int chunks = 0; chunks < 1000 && pos + 8 <= r.size() && !(haveFormat && haveData); ++chunks) {
        const std::string chunk = r.read(pos, 8);
        if (chunk.size() < 8) break;
        const std::uint64_t size = le32(chunk, 4);
        const std::uint64_t body = pos + 8;
        if (chunk.compare(0, 4, "fmt ") == 0) {
            const std::string fmt = r.read(body, 16);
            if (fmt.size() < 16 || size < 16) return std::nullopt;
            info.format = static_cast<int>(le16(fmt, 0));
            info.channels = static_cast<int>(le16(fmt, 2));
            info.sampleRate = le32(fmt, 4);
            info.byteRate = le32(fmt, 8);
            info.bitsPerSample = static_cast<int>(le16(fmt, 14));
            haveFormat = true;
        } else if (chunk.compare(0, 4, "data") == 0) {
            // A writer that was stopped early leaves the size unset or too large: count what is there.
            info.dataBytes = std::min(size, r.size() - body);
            haveData = true;
        }
        pos = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) return std::nullopt;
    return info;
}

std::optional<double> durationSeconds(const fs::path& file) {
    if (const std::optional<WavInfo> wav = readWavInfo(file)) {
        if (wav->byteRate == 0) return std::nullopt;
        return static_cast<double>(wav->dataBytes) / wav->byteRate;
    }
    Reader r(file);
    if (!r.ok()) return std::nullopt;
    if (adtsHeader(r.read(audioStart(r), 7))) return adtsDuration(r);
    return mp3Duration(r);
}

}  // namespace qvt::audio
