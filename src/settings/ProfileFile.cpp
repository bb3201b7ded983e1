// SPDX-License-Identifier: Apache-2.0
#include "settings/ProfileFile.h"

#include <set>
#include <utility>

#include "platform/FileOps.h"

namespace qvt::settings {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The private-profile functions treat space and tab as blanks; line ends never occur inside a line.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// One pair of matching outer quotes is removed; inner blanks stay.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A line break inside a name or value would end the line early and spill the rest into the file
// as a line of its own.
std::string withoutLineBreaks(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return result;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string cutValue(std::string_view text, std::size_t maxLength) {
    if (text.size() <= maxLength) return std::string(text);
    std::size_t cut = maxLength;
    if (isContinuationByte(text[cut])) {
        // The first byte dropped may continue a character: find its lead byte.
        std::size_t lead = cut;
        while (lead > 0 && cut - lead < 4) {
            --lead;
            if (!isContinuationByte(text[lead])) break;
        }
        const auto byte = static_cast<unsigned char>(text[lead]);
        const std::size_t length = byte >= 0xF8 ? 0 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC2 ? 2 : 0;
        // only a whole UTF-8 sequence across the cut goes with it; bytes of an 8-bit code page that
        // merely look like the start of one are cut as plain bytes.
        bool whole = length > 0 && lead + length > cut && lead + length <= text.size();
        for (std::size_t i = lead + 1; whole && i < lead + length; ++i) whole = isContinuationByte(text[i]);
        if (whole) cut = lead;
    }
    return std::string(text.substr(0, cut));
}

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = lowerAscii(c);
    return lower;
}

std::string_view eolText(unsigned char eol) {
    static constexpr std::string_view texts[] = {"", "\r\n", "\n", "\r"};
    return texts[eol];
}

// What a line is, and its section or key name with blanks removed.
struct Classified {
    unsigned char kind;  // as ProfileFile's Kind: Blank, Comment, Section, Key, Other
    std::string_view name;
};
enum : unsigned char { kBlank, kComment, kSection, kKey, kOther };

Classified classify(std::string_view view) {
    std::size_t start = 0;
    while (start < view.size() && isBlank(view[start])) ++start;
    if (start == view.size()) return {kBlank, {}};
    if (view[start] == ';') return {kComment, {}};
    if (view[start] == '[') {
        // The name ends at the first ']'; the rest of the line is ignored. No ']' at all still opens it.
        const std::string_view rest = view.substr(start + 1);
        return {kSection, trimBlanks(rest.substr(0, rest.find(']')))};
    }
    if (const auto equals = view.find('=', start); equals != std::string_view::npos)
        return {kKey, trimBlanks(view.substr(start, equals - start))};
    return {kOther, {}};
}

}  // namespace

std::string_view ProfileFile::textOf(const Line& line) const {
    return std::string_view(text_).substr(line.begin, line.length);
}

std::size_t ProfileFile::addLine(std::string_view text, Eol eol) {
    Line line;
    line.begin = text_.size();
    line.length = text.size();
    line.eol = eol;
    line.kind = static_cast<Kind>(classify(text).kind);
    text_ += text;
    lines_.push_back(line);
    return lines_.size() - 1;
}

void ProfileFile::linkAfter(std::size_t after, std::size_t line) {
    if (after == kNone) {
        head_ = tail_ = line;
        return;
    }
    lines_[line].next = lines_[after].next;
    lines_[after].next = line;
    if (tail_ == after) tail_ = line;
}

void ProfileFile::rebuildIndex() {
    sections_.clear();
    Section* current = nullptr;  // null outside a section's first occurrence
    for (std::size_t i = head_; i != kNone; i = lines_[i].next) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            auto [it, first] = sections_.try_emplace(lowerAscii(classify(textOf(line)).name));
            current = first ? &it->second : nullptr;
            if (current) current->line = current->lastKey = i;
        } else if (line.kind == Kind::Key && current) {
            current->keys.try_emplace(lowerAscii(classify(textOf(line)).name), i);  // the first one wins
            current->lastKey = i;
        }
    }
}

ProfileFile ProfileFile::fromBytes(std::string bytes) {
    ProfileFile file;
    file.text_ = std::move(bytes);
    const std::string_view view = file.text_;
    std::size_t pos = 0;
    if (view.starts_with(kUtf8Bom)) {
        file.bom_ = kUtf8Bom;
        pos = kUtf8Bom.size();
    }
    // CRLF, LF and CR all end a line. One allocation for all lines, with room for the keys a save adds.
    std::size_t count = 1;
    for (std::size_t i = pos; i < view.size(); ++i)
        if (view[i] == '\n' || (view[i] == '\r' && (i + 1 == view.size() || view[i + 1] != '\n'))) ++count;
    file.lines_.reserve(count + 128);
    std::size_t previous = kNone;
    while (pos < view.size()) {
        std::size_t end = pos;
        while (end < view.size() && view[end] != '\r' && view[end] != '\n') ++end;
        Line line;
        line.begin = pos;
        line.length = end - pos;
        line.kind = static_cast<Kind>(classify(view.substr(pos, end - pos)).kind);
        if (end == view.size()) {
            pos = end;
        } else if (view[end] == '\r' && end + 1 < view.size() && view[end + 1] == '\n') {
            line.eol = Eol::CrLf;
            pos = end + 2;
        } else {
            line.eol = view[end] == '\r' ? Eol::Cr : Eol::Lf;
            pos = end + 1;
        }
        file.lines_.push_back(line);
        const std::size_t index = file.lines_.size() - 1;
        if (previous == kNone)
            file.head_ = index;
        else
            file.lines_[previous].next = index;
        previous = file.tail_ = index;
    }
    file.rebuildIndex();
    return file;
}

std::optional<ProfileFile> ProfileFile::load(const std::filesystem::path& path, std::uintmax_t maxSize) {
    auto bytes = platform::readFileLimited(path, maxSize);
    if (!bytes) return std::nullopt;
    return fromBytes(std::move(*bytes));
}

const std::size_t* ProfileFile::findKey(std::string_view section, std::string_view key) const {
    // only the first occurrence of a section name is ever searched or written.
    const auto s = sections_.find(lowerAscii(trimBlanks(section)));
    if (s == sections_.end()) return nullptr;
    const auto k = s->second.keys.find(lowerAscii(trimBlanks(key)));
    return k == s->second.keys.end() ? nullptr : &k->second;
}

std::string ProfileFile::get(std::string_view section, std::string_view key, std::string_view def,
                             std::size_t maxLength) const {
    const std::size_t* line = findKey(section, key);
    if (!line) return std::string(def);
    const std::string_view text = textOf(lines_[*line]);
    return cutValue(unquote(trimBlanks(text.substr(text.find('=') + 1))), maxLength);
}

bool ProfileFile::contains(std::string_view section, std::string_view key) const {
    return findKey(section, key) != nullptr;
}

std::vector<ProfileFile::Entry> ProfileFile::entries(std::size_t maxLength) const {
    // One walk in file order; only a section's first occurrence and a key's first line are read.
    std::vector<Entry> result;
    std::set<std::string> sectionsSeen;
    std::set<std::string> keysSeen;
    std::string_view section;
    bool readable = false;  // the lines below belong to a section's first occurrence
    for (std::size_t i = head_; i != kNone; i = lines_[i].next) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            section = classify(textOf(line)).name;
            readable = sectionsSeen.insert(lowerAscii(section)).second;
            keysSeen.clear();
            continue;
        }
        if (line.kind != Kind::Key || !readable) continue;
        const std::string_view text = textOf(line);
        const std::string_view key = classify(text).name;
        if (!keysSeen.insert(lowerAscii(key)).second) continue;
        result.push_back({std::string(section), std::string(key),
                          cutValue(unquote(trimBlanks(text.substr(text.find('=') + 1))), maxLength)});
    }
    return result;
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName(trimBlanks(withoutLineBreaks(section)));
    const std::string keyName(trimBlanks(withoutLineBreaks(key)));
    const std::string text = cutValue(withoutLineBreaks(value), kMaxValueLength);
    const std::string keyLine = keyName + "=" + text;
    // A name the reader would see differently (a ']' in a section name, a key name with '=' or
    // starting with ';' or '[') changes the file's structure: the index is then rebuilt from scratch.
    const auto readsAs = [&](std::size_t line, Kind kind, std::string_view name) {
        const Classified c = classify(textOf(lines_[line]));
        return c.kind == static_cast<unsigned char>(kind) && c.name == name;
    };

    const auto found = sections_.find(lowerAscii(sectionName));
    if (found == sections_.end()) {
        if (tail_ != kNone && lines_[tail_].eol == Eol::None) lines_[tail_].eol = Eol::CrLf;
        const std::size_t header = addLine("[" + sectionName + "]", Eol::CrLf);
        linkAfter(tail_, header);
        const std::size_t line = addLine(keyLine, Eol::CrLf);
        linkAfter(header, line);
        if (!readsAs(header, Kind::Section, sectionName) || !readsAs(line, Kind::Key, keyName)) {
            rebuildIndex();
            return;
        }
        Section& s = sections_[lowerAscii(sectionName)];
        s.line = header;
        s.lastKey = line;
        s.keys.emplace(lowerAscii(keyName), line);
        return;
    }
    Section& s = found->second;
    if (const auto k = s.keys.find(lowerAscii(keyName)); k != s.keys.end()) {
        // Rewritten in place; the file's own spelling of the key is kept.
        Line& line = lines_[k->second];
        const std::string name(classify(textOf(line)).name);
        const std::string rewritten = name + "=" + text;
        line.begin = text_.size();
        line.length = rewritten.size();
        line.eol = Eol::CrLf;
        text_ += rewritten;
        return;
    }
    // A new key goes after the section's last key line, ahead of trailing comments and blank lines.
    const std::size_t after = s.lastKey;
    if (lines_[after].eol == Eol::None) lines_[after].eol = Eol::CrLf;
    const std::size_t line = addLine(keyLine, Eol::CrLf);
    linkAfter(after, line);
    if (!readsAs(line, Kind::Key, keyName)) {
        rebuildIndex();
        return;
    }
    s.keys.emplace(lowerAscii(keyName), line);
    s.lastKey = line;
}

std::string ProfileFile::toBytes() const {
    std::size_t size = bom_.size();
    for (std::size_t i = head_; i != kNone; i = lines_[i].next)
        size += lines_[i].length + eolText(static_cast<unsigned char>(lines_[i].eol)).size();
    std::string bytes;
    bytes.reserve(size);
    bytes += bom_;
    for (std::size_t i = head_; i != kNone; i = lines_[i].next) {
        bytes += textOf(lines_[i]);
        bytes += eolText(static_cast<unsigned char>(lines_[i].eol));
    }
    return bytes;
}

bool ProfileFile::save(const std::filesystem::path& path) const {
    return platform::writeFileAtomically(path, toBytes());
}

}  // namespace qvt::settings
