#pragma once
// The per-user base folders of the freedesktop.org layout: a desktop program
// keeps its data below $XDG_DATA_HOME and its settings below
// $XDG_CONFIG_HOME, falling back to ~/.local/share and ~/.config when the
// variable is unset, empty or not an absolute path.

#include <filesystem>
#include <string>

namespace vk {

// The three variables the folders follow; an empty text stands for unset.
struct XdgEnvironment {
    std::string home;
    std::string dataHome;
    std::string configHome;

    // This process's variables; HOME falls back to the password database.
    static XdgEnvironment ofProcess();
};

// Empty when neither the variable nor a home folder is known.
std::filesystem::path xdgDataHome(const XdgEnvironment& env);
std::filesystem::path xdgConfigHome(const XdgEnvironment& env);

// The program's own folder below each: ".../velkorantis" (empty when the base is).
std::filesystem::path programDataFolder(const XdgEnvironment& env);
std::filesystem::path programConfigFolder(const XdgEnvironment& env);

}  // namespace vk
