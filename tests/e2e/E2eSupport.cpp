#include "e2e/E2eSupport.h"

namespace qvt::test {

static bool ContainsAll(const std::string& line, const std::vector<std::string>& fragments) {
    for (const auto& f : fragments)
        if (line.find(f) == std::string::npos) return false;
    return true;
}

std::string FindLine(const RunResult& r, const std::vector<std::string>& fragments) {
    for (const auto& line : r.lines)
        if (ContainsAll(line, fragments)) return line;
    return {};
}

int CountLines(const RunResult& r, const std::vector<std::string>& fragments) {
    int n = 0;
    for (const auto& line : r.lines)
        if (ContainsAll(line, fragments)) ++n;
    return n;
}

std::string DumpLineOf(const RunResult& r, int id) {
    const std::string key = "\"id\":" + std::to_string(id) + ",";
    std::string found;
    for (const auto& line : r.lines)
        if (line.find("\"event\":\"dump\"") != std::string::npos && line.find(key) != std::string::npos) found = line;
    return found;
}

std::filesystem::path ChoiceValueFile(const std::filesystem::path& systemRoot) {
    return systemRoot / "registry" / "Software" / "Lumbrakon" / "UserModelSel" / "(Default)";
}

}  // namespace qvt::test
