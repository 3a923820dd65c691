// The window program's start: the per-user folders, where the settings file
// goes, seeding a working folder that never replaces a file, and the command
// line with the folder it enters.

#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/catalogue/temp_catalogue_dir.h"
#include "core/startup/catalogue_seed.h"
#include "core/startup/program_start.h"
#include "core/startup/settings_place.h"
#include "core/startup/start_options.h"

namespace vk {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(XdgFolders, VariablesWinWhenAbsoluteElseTheHomeFolder) {
    struct Case { XdgEnvironment env; fs::path data, config; };
    const Case cases[] = {
        {{"/h", "", ""}, "/h/.local/share/velkorantis", "/h/.config/velkorantis"},
        {{"/h", "/d", "/c"}, "/d/velkorantis", "/c/velkorantis"},
        {{"/h", "rel/d", "rel/c"}, "/h/.local/share/velkorantis", "/h/.config/velkorantis"},
        {{"", "/d", ""}, "/d/velkorantis", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(programDataFolder(c.env), c.data) << c.env.home << "|" << c.env.dataHome;
        EXPECT_EQ(programConfigFolder(c.env), c.config) << c.env.home << "|" << c.env.configHome;
    }
}

TEST(SettingsPlace, BesideABuildElsePerUser) {
    test::TempCatalogueDir dir;
    const fs::path build = dir.path() / "build" / "velkorantis";
    const fs::path installed = dir.path() / "usr" / "bin" / "velkorantis";
    const fs::path missing = dir.path() / "gone" / "velkorantis";
    fs::create_directories(build.parent_path());
    fs::create_directories(installed.parent_path());
    fs::create_directories(dir.path() / "usr" / "share" / "velkorantis");
    const auto share = [](const fs::path& exe) { return installedShareFolder(exe, "../share/velkorantis"); };
    const XdgEnvironment unset{"/h", "", ""}, set{"/h", "", "/c"};

    EXPECT_EQ(settingsFileFor(build, share(build), unset), dir.path() / "build" / "velkorantis.INI");
    EXPECT_EQ(settingsFileFor(installed, share(installed), unset), "/h/.config/velkorantis/velkorantis.INI");
    EXPECT_EQ(settingsFileFor(installed, share(installed), set), "/c/velkorantis/velkorantis.INI");
    // A folder this process cannot write (here: one that is not there).
    EXPECT_FALSE(folderIsWritable(missing.parent_path()));
    EXPECT_EQ(settingsFileFor(missing, share(missing), set), "/c/velkorantis/velkorantis.INI");
}

TEST(CatalogueSeed, CopiesIntoAnEmptyFolderOnlyAndReplacesNothing) {
    test::TempCatalogueDir sample, work;
    sample.writeMinimalCatalogue();

    SeedOutcome seed = seedCatalogue(sample.path(), work.path());
    EXPECT_EQ(seed.copied, 8);
    EXPECT_EQ(seed.failure, "");
    for (const auto& e : fs::directory_iterator(sample.path()))
        EXPECT_EQ(contents(work.path() / e.path().filename()), contents(e.path())) << e.path();

    // The user's own (even incomplete) catalogue is left as it is.
    for (const auto& e : fs::directory_iterator(work.path())) fs::remove(e.path());
    work.writeBytes("SKILL_EQ.csv", "mine");
    EXPECT_EQ(seedCatalogue(sample.path(), work.path()).copied, 0);
    EXPECT_EQ(contents(work.path() / "SKILL_EQ.csv"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), {}), 1);

    // No sample (the program's folder unknown) is not the current folder.
    fs::remove(work.path() / "SKILL_EQ.csv");
    const fs::path before = fs::current_path();
    fs::current_path(sample.path());
    EXPECT_EQ(seedCatalogue("", work.path()).copied, 0);
    fs::current_path(before);

    // An incomplete sample seeds nothing.
    sample.remove("SKILL_TYPE.txt");
    EXPECT_EQ(seedCatalogue(sample.path(), work.path()).copied, 0);
    EXPECT_FALSE(holdsCatalogueFile(work.path()));
}

struct StartRun {
    StartOutcome outcome;
    std::string out, err;
};

StartRun start(const std::vector<std::string>& args, const StartContext& context) {
    std::ostringstream out, err;
    StartRun r{beginStart(args, context, out, err), "", ""};
    r.out = out.str();
    r.err = err.str();
    return r;
}

TEST(ProgramStart, AnswersHelpVersionAndRefusals) {
    const StartContext context{"/none", {"/h", "", ""}, "9.1"};
    struct Case { std::vector<std::string> args; int status; std::string out, err; };
    const Case cases[] = {
        {{"--version"}, 0, "velkorantis 9.1\n", ""},
        {{"--data"}, 2, "", "velkorantis: --data needs a folder\n"},
        {{"-x"}, 2, "", "velkorantis: unknown argument '-x' (see --help)\n"},
        {{"--data=a", "--data-home"}, 2, "", "velkorantis: give one data folder only (--data or --data-home, once)\n"},
    };
    for (const Case& c : cases) {
        const StartRun r = start(c.args, context);
        EXPECT_EQ(r.outcome.exitStatus, c.status) << c.args[0];
        EXPECT_EQ(r.out, c.out) << c.args[0];
        EXPECT_EQ(r.err, c.err) << c.args[0];
    }
    const StartRun help = start({"-h"}, context);
    EXPECT_EQ(help.outcome.exitStatus, 0);
    EXPECT_EQ(help.out, startUsage());
    // No option: the current folder, as always.
    const StartRun plain = start({}, context);
    EXPECT_FALSE(plain.outcome.exitStatus);
    EXPECT_TRUE(plain.outcome.folder.empty());
}

TEST(ProgramStart, EntersTheDataFolderMadeAndSeeded) {
    test::TempCatalogueDir root;
    const fs::path before = fs::current_path();
    fs::create_directories(root.path() / "share" / "sample");
    for (const char* name : {"SKILL_TYPE.txt", "SKILL_EQ.csv", "ZEVAEQUIP_LEG.csv", "ZEVAEQUIP_HEAD.csv",
                             "ZEVAEQUIP_BODY.csv", "ZEVAEQUIP_ARM.csv", "ZEVAEQUIP_WST.csv", "ZEVAEQUIP_DECO.csv"})
        root.writeBytes(std::string("share/sample/") + name, name);
    const StartContext context{root.path() / "share", {"", (root.path() / "xdg").string(), ""}, "1"};

    const StartRun home = start({"--data-home"}, context);
    EXPECT_EQ(home.outcome.folder, root.path() / "xdg" / "velkorantis");
    EXPECT_EQ(home.outcome.seeded, 8);
    EXPECT_EQ(fs::current_path(), home.outcome.folder);
    EXPECT_EQ(contents("SKILL_EQ.csv"), "SKILL_EQ.csv");
    EXPECT_EQ(start({"--data", home.outcome.folder.string()}, context).outcome.seeded, 0);

    root.writeBytes("file", "");
    const StartRun blocked = start({"--data", (root.path() / "file" / "sub").string()}, context);
    EXPECT_FALSE(blocked.outcome.exitStatus);
    EXPECT_NE(blocked.outcome.failure, "");
    EXPECT_EQ(blocked.err, "velkorantis: " + blocked.outcome.failure + "\n");
    fs::current_path(before);
}

}  // namespace
}  // namespace vk
