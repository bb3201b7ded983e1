#pragma once
// The settings files on the cards were always read and written by the Windows private-profile
// functions. ProfileFile reproduces their behaviour on every platform, on a file held in memory:
// load or parse once, get and set keys, then write the whole file back in one piece.
//
// Layout kept: the file is held as its raw lines, each with its own line end ("\r\n", "\n", "\r",
// or none for a last line without one). Lines that set() does not touch are written back byte for
// byte with their own line ends, so comments, blank lines, unknown sections and keys, bytes before
// the first section and a byte-order mark survive a rewrite unchanged. New and rewritten lines end
// with "\r\n"; a last line without a line end gets "\r\n" only when a line is added after it.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::settings {

inline constexpr std::size_t kMaxValueLength = 100;               // values read and written are at most 100 chars
inline constexpr std::uintmax_t kMaxSettingsFileSize = 1u << 20;  // a larger file is not loaded

class ProfileFile {
public:
    ProfileFile() = default;  // empty file

    // Parses the bytes of a file; never fails (anything unreadable is kept as an untouched line).
    static ProfileFile fromBytes(std::string bytes);

    // Loads a file once. nullopt when missing, not a regular file, unreadable, or larger than maxSize.
    static std::optional<ProfileFile> load(const std::filesystem::path& path,
                                           std::uintmax_t maxSize = kMaxSettingsFileSize);

    // Value of (section, key): blanks around it removed, then one pair of matching outer quotes,
    // then cut to its first maxLength characters (bytes of the file; a UTF-8 sequence is never split).
    // `def` when the section or key is absent.
    // Names match without regard to ASCII letter case; only a section's first occurrence counts.
    std::string get(std::string_view section, std::string_view key, std::string_view def = "",
                    std::size_t maxLength = kMaxValueLength) const;
    bool contains(std::string_view section, std::string_view key) const;

    // Every key that get() can reach, in file order, with the value get() gives for it: keys of a
    // section name's first occurrence, the first line of each key name.
    struct Entry {
        std::string section, key, value;
    };
    std::vector<Entry> entries() const;

    // Writes a value in memory: an existing key is rewritten in place (its spelling kept), a new key
    // goes right after the last key line of the section, a new section is appended at the end.
    // Names are written as given, trimmed of blanks. The value is written verbatim, cut to
    // kMaxValueLength characters. A line break in a name or value would split the line and is written
    // as a blank instead. A section name holding ']', or a key name holding '=' or starting with ';'
    // or '[', cannot be read back; the program's names never do.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as it is to be written.
    std::string toBytes() const;

    // Writes toBytes() with platform::WriteFileAtomically; false when that fails.
    bool save(const std::filesystem::path& path) const;

private:
    enum class Kind { Blank, Comment, Section, Key, Other };
    struct Line {
        std::string text;  // without its line end
        std::string eol;   // "\r\n", "\n", "\r", or "" (a last line without line end)
        Kind kind = Kind::Other;
        std::string name;  // section or key name, blanks removed
    };

    static Line makeLine(std::string text, std::string eol);
    std::optional<std::size_t> findSection(std::string_view name) const;
    std::optional<std::size_t> findKey(std::size_t sectionLine, std::string_view key) const;

    std::string bom_;  // a UTF-8 byte-order mark found at the very start, written back as it was
    std::vector<Line> lines_;
};

// Cuts text to at most maxLength bytes without splitting a UTF-8 sequence.
std::string CutValue(std::string_view text, std::size_t maxLength);

}  // namespace qvt::settings
