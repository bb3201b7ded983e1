#include "app/CommandLine.h"

#include "platform/Volumes.h"

namespace qvt::app {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
            continue;
        }
        const bool takesValue =
            a == "--system-root" || a == "--volume" || a == "--now" || a == "--ffmpeg" || a == "--script";
        if (!takesValue) {
            error = "unknown option " + a;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = a + " needs a value";
            return std::nullopt;
        }
        const std::string& v = args[++i];
        if (a == "--system-root") {
            cl.systemRoot = v;
        } else if (a == "--volume") {
            if (static_cast<int>(cl.volumes.size()) >= platform::Volumes::kMaxVolumes) {
                error = "at most 23 volumes";
                return std::nullopt;
            }
            cl.volumes.emplace_back(v);
        } else if (a == "--now") {
            cl.now = platform::ParseDateTime(v);
            if (!cl.now) {
                error = "--now expects \"YYYY-MM-DD HH:MM:SS\"";
                return std::nullopt;
            }
        } else if (a == "--ffmpeg") {
            cl.ffmpeg = v;
        } else {
            cl.script = v;
        }
    }
    return cl;
}

}  // namespace qvt::app
