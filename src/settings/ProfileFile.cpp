#include "settings/ProfileFile.h"

#include <set>
#include <utility>

#include "platform/FileOps.h"

namespace qvt::settings {

namespace {

constexpr std::string_view kCrLf = "\r\n";
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

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
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

std::string CutValue(std::string_view text, std::size_t maxLength) {
    if (text.size() <= maxLength) return std::string(text);
    std::size_t cut = maxLength;
    if (isContinuationByte(text[cut])) {
        // The first byte dropped continues a character: find its lead byte and drop that too.
        std::size_t lead = cut;
        while (lead > 0 && cut - lead < 4) {
            --lead;
            if (!isContinuationByte(text[lead])) break;
        }
        const auto byte = static_cast<unsigned char>(text[lead]);
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (byte >= 0xC0 && lead + length > cut) cut = lead;  // otherwise not UTF-8: a plain byte cut
    }
    return std::string(text.substr(0, cut));
}

ProfileFile::Line ProfileFile::makeLine(std::string text, std::string eol) {
    Line line{std::move(text), std::move(eol), Kind::Other, {}};
    const std::string_view view = line.text;
    std::size_t start = 0;
    while (start < view.size() && isBlank(view[start])) ++start;
    if (start == view.size()) {
        line.kind = Kind::Blank;
    } else if (view[start] == ';') {
        line.kind = Kind::Comment;
    } else if (view[start] == '[') {
        // The name ends at the first ']'; the rest of the line is ignored. No ']' at all still opens it.
        const std::string_view rest = view.substr(start + 1);
        line.kind = Kind::Section;
        line.name = trimBlanks(rest.substr(0, rest.find(']')));
    } else if (const auto equals = view.find('=', start); equals != std::string_view::npos) {
        line.kind = Kind::Key;
        line.name = trimBlanks(view.substr(start, equals - start));
    }
    return line;
}

ProfileFile ProfileFile::fromBytes(std::string bytes) {
    ProfileFile file;
    const std::string_view view = bytes;
    std::size_t pos = 0;
    if (view.starts_with(kUtf8Bom)) {
        file.bom_ = kUtf8Bom;
        pos = kUtf8Bom.size();
    }
    // CRLF, LF and CR all end a line.
    while (pos < view.size()) {
        const std::size_t end = view.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            file.lines_.push_back(makeLine(std::string(view.substr(pos)), ""));
            break;
        }
        const std::size_t eolLength = (view[end] == '\r' && end + 1 < view.size() && view[end + 1] == '\n') ? 2 : 1;
        file.lines_.push_back(
            makeLine(std::string(view.substr(pos, end - pos)), std::string(view.substr(end, eolLength))));
        pos = end + eolLength;
    }
    return file;
}

std::optional<ProfileFile> ProfileFile::load(const std::filesystem::path& path, std::uintmax_t maxSize) {
    auto bytes = platform::ReadFileLimited(path, maxSize);
    if (!bytes) return std::nullopt;
    return fromBytes(std::move(*bytes));
}

std::optional<std::size_t> ProfileFile::findSection(std::string_view name) const {
    // Only the first occurrence of a section name is ever searched or written.
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && equalsIgnoringCase(lines_[i].name, name)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::findKey(std::size_t sectionLine, std::string_view key) const {
    for (std::size_t i = sectionLine + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
        if (lines_[i].kind == Kind::Key && equalsIgnoringCase(lines_[i].name, key)) return i;  // first wins
    }
    return std::nullopt;
}

std::string ProfileFile::get(std::string_view section, std::string_view key, std::string_view def,
                             std::size_t maxLength) const {
    const auto sectionLine = findSection(trimBlanks(section));
    if (!sectionLine) return std::string(def);
    const auto keyLine = findKey(*sectionLine, trimBlanks(key));
    if (!keyLine) return std::string(def);
    const std::string_view text = lines_[*keyLine].text;
    return CutValue(unquote(trimBlanks(text.substr(text.find('=') + 1))), maxLength);
}

bool ProfileFile::contains(std::string_view section, std::string_view key) const {
    const auto sectionLine = findSection(trimBlanks(section));
    return sectionLine && findKey(*sectionLine, trimBlanks(key));
}

std::vector<ProfileFile::Entry> ProfileFile::entries() const {
    // Names compared in lower case, so that a large file is walked once rather than searched per key.
    auto lower = [](std::string_view name) {
        std::string folded(name);
        for (char& c : folded) c = lowerAscii(c);
        return folded;
    };
    std::vector<Entry> result;
    std::set<std::string> sectionsSeen;
    std::set<std::string> keysSeen;
    const Line* section = nullptr;  // a readable section the lines below belong to
    for (const Line& line : lines_) {
        if (line.kind == Kind::Section) {
            section = sectionsSeen.insert(lower(line.name)).second ? &line : nullptr;
            keysSeen.clear();
            continue;
        }
        if (line.kind != Kind::Key || !section || !keysSeen.insert(lower(line.name)).second) continue;
        const std::string_view text = line.text;
        result.push_back({section->name, line.name,
                          CutValue(unquote(trimBlanks(text.substr(text.find('=') + 1))), kMaxValueLength)});
    }
    return result;
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName(trimBlanks(withoutLineBreaks(section)));
    const std::string keyName(trimBlanks(withoutLineBreaks(key)));
    const std::string text = CutValue(withoutLineBreaks(value), kMaxValueLength);

    const auto sectionLine = findSection(sectionName);
    if (!sectionLine) {
        if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = kCrLf;
        lines_.push_back(makeLine("[" + sectionName + "]", std::string(kCrLf)));
        lines_.push_back(makeLine(keyName + "=" + text, std::string(kCrLf)));
        return;
    }
    // A new key goes after the section's last key line, ahead of trailing comments and blank lines.
    std::size_t after = *sectionLine;
    for (std::size_t i = *sectionLine + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
        if (lines_[i].kind != Kind::Key) continue;
        if (equalsIgnoringCase(lines_[i].name, keyName)) {
            // The file's own spelling of the key is kept.
            lines_[i] = makeLine(lines_[i].name + "=" + text, std::string(kCrLf));
            return;
        }
        after = i;
    }
    if (lines_[after].eol.empty()) lines_[after].eol = kCrLf;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                  makeLine(keyName + "=" + text, std::string(kCrLf)));
}

std::string ProfileFile::toBytes() const {
    std::size_t size = bom_.size();
    for (const auto& line : lines_) size += line.text.size() + line.eol.size();
    std::string bytes;
    bytes.reserve(size);
    bytes += bom_;
    for (const auto& line : lines_) {
        bytes += line.text;
        bytes += line.eol;
    }
    return bytes;
}

bool ProfileFile::save(const std::filesystem::path& path) const {
    return platform::WriteFileAtomically(path, toBytes());
}

}  // namespace qvt::settings
