#include "cli/settings_command.h"

#include <cstdio>

#include "cli/file_command_options.h"
#include "core/results/exclusion_records.h"
#include "core/settings/main_settings.h"
#include "core/settings/older_collection_keys.h"

namespace vk::cli {

namespace {

constexpr const char* kCommand = "velkorantis-cli settings: ";

const char* settingsUsage() {
    return R"(usage: velkorantis-cli settings [--data DIR] FILE [-o OUT]

Reads the settings file FILE (the program's INI: the window's place and page,
the search conditions with the fixed pieces, the possession filters) against
the catalogue and writes it as the program writes it at close: the sections
"Condition", "Possession" and "Myset" anew (older keys of exclusions,
possessions and my sets are dropped), the fixed pieces and decorations
resolved by name first, then by stored index. "General", "Result" and every
key the program does not know stay as they were. A missing place key is
written with the window's design value. A FILE that is missing or is no
regular file (a folder, a FIFO, a device) is refused with exit status 1.
The last line on standard error counts what was kept and dropped:
  N wanted skills, N fixed pieces, N fixed decorations; older keys dropped:
  N exclusions, N possessions, N my sets
)";
}

// The main window at its design place.
constexpr ScreenRect kDesignBounds{191, 105, 1012, 623};

std::string summaryOf(const MainSettings& s, const Collections& older) {
    const ConditionForm& f = s.condition.form;
    int skills = 0, pieces = 0;
    for (int item : f.skillBoxes) skills += item > 0 ? 1 : 0;
    for (int piece : f.fixEquip.piece) pieces += piece > 0 ? 1 : 0;
    char line[200];
    std::snprintf(line, sizeof line,
                  "%d wanted skills, %d fixed pieces, %d fixed decorations; older keys dropped: %d exclusions, "
                  "%d possessions, %d my sets",
                  skills, pieces, f.fixEquip.decos.DecoTotal,
                  excludedPieceCount(older.exclusions) + excludedDecoCount(older.exclusions),
                  older.possessionCount(), static_cast<int>(older.mysets.size()));
    return line;
}

}  // namespace

int runSettingsCommand(const std::vector<std::string>& args, CliIo& io) {
    FileCommandOptions options;
    Catalogue cat;
    if (const std::optional<int> ended = startFileCommand(args, io, kCommand, settingsUsage(), options, cat))
        return *ended;
    IniReading reading = IniFile::load(*options.file);
    if (reading.state != IniFileState::kRead) {
        io.err << kCommand << "cannot read '" << options.file->string() << "'"
               << (reading.error.empty() ? "" : ": " + reading.error) << "\n";
        return kExitFailure;
    }
    IniFile& ini = reading.ini;
    const MainSettings settings = readMainSettings(ini, cat, kDesignBounds);
    Collections older = Collections::emptyFor(cat);
    readOlderCollectionKeys(ini, cat, older);
    writeMainSettings(ini, cat, settings);

    if (options.output) {
        if (!ini.save(*options.output)) {
            io.err << kCommand << "cannot write '" << options.output->string() << "'\n";
            return kExitFailure;
        }
    } else if (!writeStandardOutput(io, kCommand, ini.format())) {
        return kExitFailure;
    }
    io.err << summaryOf(settings, older) << '\n';
    return kExitOk;
}

}  // namespace vk::cli
