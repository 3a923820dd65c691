#include "core/startup/xdg_folders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace vk {

namespace {

constexpr const char* kProgramFolder = "velkorantis";

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string homeFromPasswordDatabase() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return "";
    return found->pw_dir;
}

// `variable` when it names an absolute folder, else HOME/`fallback`.
std::filesystem::path baseFolder(const std::string& variable, const std::string& home, const char* fallback) {
    if (!variable.empty() && std::filesystem::path(variable).is_absolute()) return variable;
    if (home.empty()) return {};
    return std::filesystem::path(home) / fallback;
}

std::filesystem::path below(const std::filesystem::path& base) {
    return base.empty() ? base : base / kProgramFolder;
}

}  // namespace

XdgEnvironment XdgEnvironment::ofProcess() {
    XdgEnvironment env{variable("HOME"), variable("XDG_DATA_HOME"), variable("XDG_CONFIG_HOME")};
    if (env.home.empty()) env.home = homeFromPasswordDatabase();
    return env;
}

std::filesystem::path xdgDataHome(const XdgEnvironment& env) {
    return baseFolder(env.dataHome, env.home, ".local/share");
}

std::filesystem::path xdgConfigHome(const XdgEnvironment& env) {
    return baseFolder(env.configHome, env.home, ".config");
}

std::filesystem::path programDataFolder(const XdgEnvironment& env) { return below(xdgDataHome(env)); }

std::filesystem::path programConfigFolder(const XdgEnvironment& env) { return below(xdgConfigHome(env)); }

}  // namespace vk
