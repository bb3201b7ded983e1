// SPDX-License-Identifier: Apache-2.0
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
#include <unordered_map>
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
    // `maxLength` as for get(); SIZE_MAX gives the values whole, as the file holds them.
    std::vector<Entry> entries(std::size_t maxLength = kMaxValueLength) const;

    // Writes a value in memory: an existing key is rewritten in place (its spelling kept), a new key
    // goes right after the last key line of the section, a new section is appended at the end.
    // Names are written as given, trimmed of blanks. The value is written verbatim, cut to
    // kMaxValueLength characters. A line break in a name or value would split the line and is written
    // as a blank instead. A section name holding ']', or a key name holding '=' or starting with ';'
    // or '[', cannot be read back; the program's names never do.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as it is to be written.
    std::string toBytes() const;

    // Writes toBytes() with platform::writeFileAtomically; false when that fails.
    bool save(const std::filesystem::path& path) const;

private:
    // Lines live in `lines_` in the order they were made; file order follows `next`, so a key is
    // inserted without moving the lines after it. Every line's text is a slice of `text_`: the file's
    // own bytes first, then the texts of lines written later. The index finds the first occurrence
    // of a section and the first of its keys by name, so a get or set costs no scan of the file.
    enum class Kind : unsigned char { Blank, Comment, Section, Key, Other };
    enum class Eol : unsigned char { None, CrLf, Lf, Cr };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Line {
        std::size_t begin = 0;   // the text, without its line end, is text_[begin, begin + length)
        std::size_t length = 0;
        std::size_t next = kNone;
        Eol eol = Eol::None;
        Kind kind = Kind::Other;
    };
    struct Section {
        std::size_t line = kNone;     // its header
        std::size_t lastKey = kNone;  // its last key line (the header when it has none): new keys go after it
        std::unordered_map<std::string, std::size_t> keys;  // lower-case name -> first line of that key
    };

    std::string_view textOf(const Line& line) const;
    std::size_t addLine(std::string_view text, Eol eol);  // not yet linked into the file
    void linkAfter(std::size_t after, std::size_t line);  // kNone: the file was empty
    void rebuildIndex();
    const std::size_t* findKey(std::string_view section, std::string_view key) const;

    std::string bom_;  // a UTF-8 byte-order mark found at the very start, written back as it was
    std::string text_;
    std::vector<Line> lines_;
    std::size_t head_ = kNone, tail_ = kNone;
    std::unordered_map<std::string, Section> sections_;  // lower-case name -> first occurrence
};

// Cuts text to at most maxLength bytes without splitting a UTF-8 sequence.
std::string cutValue(std::string_view text, std::size_t maxLength);

}  // namespace qvt::settings
