#include "CliApp.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string_view>
#include <thread>

#include "CliConvertCommand.h"
#include "CliFixCommand.h"
#include "CliHakCommand.h"
#include "CliInfoCommand.h"
#include "CliInterrupt.h"
#include "CliProgressSink.h"
#include "CliQuestions.h"
#include "Reencode.h"
#include "Terminal.h"
#include "Version.h"

namespace tunewrap::cli {
namespace {

// The flag of one of the window's options.
std::string Flag(OptionId option) {
    return Option(option).cliFlag;
}

constexpr int kExitUsage = 2;

// What --help says after the options, in parts: each command's help has the parts about it,
// the whole help has each part once.
constexpr const char* kConvertOutput =
    R"(Output: one line per file on stdout as soon as it is done, the file as given, then
  ": converted to PATH"   ": skipped: exists"   ": skipped: unsuitable"
  ": failed: REASON"      ": cancelled"         ": not reached" (the run stopped before it)
  ": re-encoded to PATH" (to-bmu --reencode: an unsuitable file, re-encoded and wrapped)
and at the end a summary on stderr, such as "3 converted, 1 skipped, 1 failed".
A file is refused (failed) when unwrapping one that is "not a BMU file", wrapping one that is
"already a BMU file", or when it "would overwrite a file this run just created" (two sources
with one destination name; --overwrite does not change this).

Questions: on a terminal, "File Exists" (default no), "Warning" about an unsuitable MP3
(default yes) and "Conversion Failed", go on with the rest (default yes) are asked on
stderr. Without a terminal each takes its default and is written to stderr with the answer
(not with --quiet): an existing destination is skipped, an unsuitable file is converted
(skipped with --skip-unsuitable), a failed file lets the others go on. With --reencode no
"Warning" is asked: an unsuitable file is re-encoded; one that cannot be decoded fails.
)";
constexpr const char* kFixOutput =
    R"(Output of fix: one line per file on stdout in the order given, then
  ": fixed to PATH"   ": skipped: suitable" (left as it is)   ": skipped: exists"
  ": failed: REASON"  ": cancelled"   ": not reached"
and a summary on stderr. It asks no questions; Ctrl+C cancels every file being re-encoded.
)";
constexpr const char* kHakOutput =
    R"(Output of hak: one line per song on stdout in the order given, then
  ": packed as NAME, row N"   ": re-encoded as NAME, row N" (--reencode)
  ": failed: REASON" (left out; the others are packed)   ": cancelled"
where NAME is the song's game-ready name and N its row in the hak's ambientmusic.2da, and on
stderr the suitability lines of songs packed as they are, where the base table came from and a
summary. A hak's music table replaces the game's whole table, so without a base table (--table,
the --add-to hak's, or the game's own data) nothing is written. The hak appears only when
complete. It asks no questions.
)";
constexpr const char* kProgressAndExit =
    R"(Progress: on a terminal, a large or slow copy and every re-encode show a progress line on
stderr (fix: one line for the files being re-encoded at once). Ctrl+C, SIGTERM or SIGHUP
cancels the copy (its partial file is removed) and ends the run.

Exit status: 0 every file converted (info: every file read; fix: every file fixed or
suitable; with --skip-existing also kept), 1 any other file skipped or failed, or stdout
could not be written, 2 usage error (unknown command or option, no files, missing -o
directory), 130 cancelled with Ctrl+C, 143 by SIGTERM, 129 by SIGHUP.
)";

// The parts with a blank line between them.
std::string Footer(std::initializer_list<const char*> parts) {
    std::string text;
    for (const char* part : parts) text += (text.empty() ? "" : "\n") + std::string(part);
    text.pop_back();  // the formatter ends it
    return text;
}

constexpr const char* kCommandNames = "info, to-bmu, to-mp3, fix, hak, game";

// Help as coreutils write it: beside an option only the name of its value, and "..." where it
// takes several; what is required or excludes what, the descriptions say.
class HelpFormatter : public CLI::Formatter {
  public:
    std::string make_option_opts(const CLI::Option* option) const override {
        if (option->get_type_size() == 0) return {};
        std::string text;
        if (!option->get_type_name().empty()) text += " " + option->get_type_name();
        if (option->get_expected_max() == CLI::detail::expected_max_vector_size) text += " ...";
        return text;
    }
};

// A number of at least 1, said in words rather than as the range of a double.
const CLI::Validator kCount(
    [](std::string& text) {
        const bool digits =
            !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
        return digits && text.find_first_not_of('0') != std::string::npos
                   ? std::string()
                   : "must be a whole number of at least 1, not " + text;
    },
    "");

struct Arguments {
    std::vector<std::string_view> files;
    std::string outputDir;
    bool renameWav = false;
    bool json = false;
    bool overwriteAll = false;
    bool skipExisting = false;
    bool noPreserveTime = false;
    bool skipUnsuitable = false;
    bool reencode = false;
    bool gameNames = false;
    bool quiet = false;
    std::string hakList;
    std::string addTo;
    std::string table;
    std::string gameDir;
    unsigned jobs = std::max(1U, std::thread::hardware_concurrency());
};

CLI::Option* AddFiles(CLI::App& command, const char* what) {
    return command.add_option("FILE")
        ->description(what)
        ->type_name("")
        ->expected(CLI::detail::expected_max_vector_size)
        ->required();
}

// Where the new files go and what becomes of files already there: the same for every command
// that writes.
void AddOutputOptions(CLI::App& command, Arguments& args, const char* overwriteText) {
    command
        .add_option("-o,--output", args.outputDir,
                    "Write the new files to this existing directory (default: next to each file)")
        ->check(CLI::ExistingDirectory.description(""))
        ->type_name("DIR");
    CLI::Option* overwrite =
        command.add_flag(Flag(OptionId::OverwriteAll), args.overwriteAll, overwriteText);
    command
        .add_flag("--skip-existing", args.skipExisting,
                  "Keep existing files without asking, and count them as done for the exit "
                  "status (not with --overwrite)")
        ->excludes(overwrite);
}

void AddCopyOptions(CLI::App& command, Arguments& args) {
    AddOutputOptions(command, args, "Overwrite existing files without asking (\"overwrite all\")");
    command.add_flag(Flag(OptionId::PreserveFileDateTime), args.noPreserveTime,
                     "Give new files the current time instead of the source's modification time");
    command.add_flag("-q,--quiet", args.quiet,
                     "Write neither the questions that take their default nor the summary");
}

struct Command {
    CLI::App* app;
    CLI::Option* files;
};

// 1 when the option argument `token` of `command` leaves its value to the next argument
// ("-o DIR", "-qo DIR", "--output DIR"), else 0.
int ValuesAfter(const CLI::App& command, std::string_view token) {
    auto takesValue = [&](const std::string& name) {
        const CLI::Option* option = command.get_option_no_throw(name);
        return option != nullptr && option->get_items_expected_max() > 0;
    };
    if (token.starts_with("--")) {
        return token.find('=') == std::string_view::npos && takesValue(std::string(token)) ? 1 : 0;
    }
    // Short options run together: the first that takes a value takes the rest of the argument.
    for (std::size_t i = 1; i < token.size(); ++i) {
        const std::string name{'-', token[i]};
        if (command.get_option_no_throw(name) == nullptr) return 0;
        if (takesValue(name)) return i + 1 == token.size() ? 1 : 0;
    }
    return 0;
}

// The file names, taken from argv as views, and what the parser is given instead: every other
// argument and the first name only. Thousands of names copied into the parser, and again into
// its results, would be most of what a command holds in memory; argv lasts as long as the
// process. False where the arguments go back to the main command ("++"): those are left whole
// to the parser.
bool SplitOffFiles(int argc, char** argv, const std::vector<Command>& commands,
                   std::vector<const char*>& forParser, std::vector<std::string_view>& files) {
    const CLI::App* command = nullptr;
    bool onlyFiles = false;
    int valuesPending = 0;
    forParser.assign(argv, argv + std::min(argc, 1));
    files.reserve(static_cast<std::size_t>(argc));
    for (int i = 1; i < argc; ++i) {
        const std::string_view token = argv[i];
        bool file = false;
        if (token == "++") return false;
        if (valuesPending > 0) {
            --valuesPending;
        } else if (command == nullptr) {
            for (const Command& candidate : commands) {
                if (candidate.app->check_name(std::string(token))) command = candidate.app;
            }
        } else if (onlyFiles) {
            file = true;
        } else if (token == "--") {
            onlyFiles = true;
        } else if (token.size() > 1 && token[0] == '-') {
            valuesPending = ValuesAfter(*command, token);
        } else {
            file = true;
        }
        if (file) files.push_back(token);
        if (!file || files.size() == 1) forParser.push_back(argv[i]);
    }
    return true;
}

// The parser agrees with the split when the one name it was given is the first file.
bool SameFirstFile(const std::vector<Command>& commands,
                   const std::vector<std::string_view>& files) {
    for (const Command& command : commands) {
        if (!command.app->parsed()) continue;
        if (command.files == nullptr) return files.empty();
        const std::vector<std::string>& parsed = command.files->results();
        return files.empty() ? parsed.empty() : parsed.size() == 1 && parsed[0] == files[0];
    }
    return false;
}

bool Terminal() {
    return platform::IsTerminal(stdin) && platform::IsTerminal(stderr);
}

int Convert(const Arguments& args, bool toBMU) {
    ConvertOptions options;
    options.toBMU = toBMU;
    options.Set(OptionId::WAVExtension, args.renameWav);
    options.Set(OptionId::OverwriteAll, args.overwriteAll);
    options.Set(OptionId::PreserveFileDateTime, !args.noPreserveTime);
    options.Set(OptionId::ReencodeUnsuitable, args.reencode);
    options.Set(OptionId::GameNames, args.gameNames);
    bool terminal = Terminal();
    options.skipExisting = args.skipExisting;
    CliQuestions questions(terminal, args.skipUnsuitable, args.skipExisting, args.quiet, stdin,
                           stderr);
    CliProgressSink sink(terminal, stderr);
    InstallInterruptHandler();
    return RunConvert(options, args.outputDir, args.files, questions, sink, stdout,
                      args.quiet ? nullptr : stderr);
}

int Fix(const Arguments& args) {
    FixOptions options;
    options.renameWav = args.renameWav;
    options.outputDir = args.outputDir;
    options.overwrite = args.overwriteAll;
    options.skipExisting = args.skipExisting;
    options.jobs = args.jobs;
    options.showProgress = Terminal();
    InstallInterruptHandler();
    return RunFix(options, args.files, stdout, args.quiet ? nullptr : stderr);
}

// Where the command line names something the parser does not know, a word of what was meant.
int UsageError(const std::string& text) {
    std::fprintf(stderr, "tunewrap-cli: %s\nRun with --help for more information.\n",
                 platform::ShownOn(stderr, text).c_str());
    return kExitUsage;
}

int Hak(const Arguments& args) {
    if (!args.hakList.empty()) {
        return RunHakList(args.hakList, args.table, args.gameDir, args.json, stdout);
    }
    if (args.outputDir.empty()) return UsageError("hak: -o FILE.hak is required");
    if (args.files.empty()) return UsageError("hak: no files to pack");
    game::HakRequest request;
    request.outputPath = args.outputDir;
    request.addTo = args.addTo;
    request.tablePath = args.table;
    request.gameDir = args.gameDir;
    request.reencode = args.reencode;
    return RunHak(request, args.files, platform::IsTerminal(stderr), stdout,
                  args.quiet ? nullptr : stderr);
}

// The first argument of `command` that looks like an option it does not have: most likely a file
// whose name starts with "-".
const char* UnknownDashArgument(const CLI::App& command, int argc, char** argv) {
    int valuesPending = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string_view token = argv[i];
        if (token == "--") break;
        if (valuesPending > 0) {
            --valuesPending;
            continue;
        }
        if (token.size() < 2 || token[0] != '-') continue;
        const std::string name = token.starts_with("--")
                                     ? std::string(token.substr(0, token.find('=')))
                                     : std::string{'-', token[1]};
        if (command.get_option_no_throw(name) == nullptr) return argv[i];
        valuesPending = ValuesAfter(command, token);
    }
    return nullptr;
}

// The whole command line as the parser knows it. A parser keeps what it has seen, so a second
// parse needs a new one.
struct Parser {
    CLI::App app{"Wraps MP3 files into the game's BMU music files and unwraps them.",
                 "tunewrap-cli"};
    Arguments args;
    CLI::App* info = nullptr;
    CLI::App* toBMU = nullptr;
    CLI::App* toMP3 = nullptr;
    CLI::App* fix = nullptr;
    CLI::App* hak = nullptr;
    CLI::App* game = nullptr;
    std::vector<Command> commands;

    Parser() {
        // One help shows every command with its options; "COMMAND --help" shows one command.
        app.set_help_flag();
        app.set_help_all_flag("-h,--help", "Print this help and exit");
        app.set_version_flag("--version", VersionTitle() + "\n" + kLicenceLine,
                             "Print the version and the licence and exit");
        app.require_subcommand(1);
        // Options are written the same everywhere; "/music/a.mp3" names a file on Windows as well.
        app.allow_windows_style_options(false);
        app.formatter(std::make_shared<HelpFormatter>());
        app.footer(
            Footer({kConvertOutput, kFixOutput, kHakOutput, kProgressAndExit,
                    "Help on one command: tunewrap-cli help COMMAND (or COMMAND --help).\n"}));

        info = app.add_subcommand(
            "info", "Show each MP3 file's frame header values and whether it suits the game");
        info->add_flag(Flag(OptionId::WAVExtension), args.renameWav,
                       "Check against 96 kbit/s mono (sound effects, voice-over) instead of "
                       "128 kbit/s stereo");
        info->add_flag("--json", args.json,
                       "Print one JSON array of objects with the keys file, bit_rate, "
                       "sampling_frequency, channel_mode, stereo, crc, vbr, suitable, issues "
                       "(file and error for a file that cannot be read)");
        CLI::Option* infoFiles = AddFiles(*info, "MP3 files to inspect");

        toBMU = app.add_subcommand("to-bmu", "Wrap MP3 files into BMU files");
        toBMU->add_flag(Flag(OptionId::WAVExtension), args.renameWav,
                        "Name the new files .wav instead of .bmu and expect 96 kbit/s mono "
                        "(\"rename .wav\")");
        AddCopyOptions(*toBMU, args);
        CLI::Option* skip = toBMU->add_flag(
            "--skip-unsuitable", args.skipUnsuitable,
            "Answer the \"Warning\" question with no: skip unsuitable files (not with "
            "--reencode)");
        if (ReencodeAvailable()) {
            toBMU
                ->add_flag(Flag(OptionId::ReencodeUnsuitable), args.reencode,
                           "Re-encode unsuitable files into their BMU files instead of asking "
                           "(\"re-encode unsuitable\"); slower than wrapping")
                ->excludes(skip);
        }
        toBMU->add_flag(Flag(OptionId::GameNames), args.gameNames,
                        "Name the new files as the game names resources (\"game names\"): lower "
                        "case a-z, 0-9 and _, at most 16 characters, distinct within the run");
        CLI::Option* toBMUFiles =
            AddFiles(*toBMU, "MP3 files to wrap (use -- before names that start with -)");

        toMP3 = app.add_subcommand("to-mp3", "Unwrap BMU (.bmu or .wav) files into MP3 files");
        AddCopyOptions(*toMP3, args);
        CLI::Option* toMP3Files =
            AddFiles(*toMP3, "BMU files to unwrap (use -- before names that start with -)");

        fix = app.add_subcommand(
            "fix",
            ReencodeAvailable()
                ? "Re-encode unsuitable MP3 files into NAME.fixed.mp3 files that suit the game"
                : "Not available in this build (it cannot re-encode)");
        fix->add_flag(Flag(OptionId::WAVExtension), args.renameWav,
                      "Make 96 kbit/s mono (sound effects, voice-over) instead of 128 kbit/s joint "
                      "stereo");
        AddOutputOptions(*fix, args, "Replace existing NAME.fixed.mp3 files");
        fix->add_option(
               "-j,--jobs", args.jobs,
               "Files re-encoded at once (default: the number of cores; at most 4 per core)")
            ->check(kCount)
            ->type_name("N");
        fix->add_flag("-q,--quiet", args.quiet, "Write no summary");
        CLI::Option* fixFiles =
            AddFiles(*fix, "MP3 files to re-encode (use -- before names that start with -)");
        hak = app.add_subcommand(
            "hak", "Pack MP3 files into a hak with their rows in the game's music table");
        hak->add_option("-o,--output", args.outputDir, "The hak to write (replaced when it exists)")
            ->type_name("FILE");
        hak->add_option("--add-to", args.addTo,
                        "Keep this hak's entries and music table, and add the songs to them "
                        "(may be the -o file itself)")
            ->type_name("HAK");
        CLI::Option* table =
            hak->add_option("--table", args.table,
                            "Start from this ambientmusic.2da (default: the --add-to hak's, "
                            "else the game's own)")
                ->type_name("FILE");
        hak->add_option("--game", args.gameDir,
                        "The game's folder, for its own music table (default: where Steam or "
                        "the Beamdog client installs it)")
            ->type_name("DIR")
            ->excludes(table);
        if (ReencodeAvailable()) {
            hak->add_flag(Flag(OptionId::ReencodeUnsuitable), args.reencode,
                          "Re-encode unsuitable songs as the game plays them well (128 kbit/s "
                          "joint stereo, 44.1 kHz) instead of packing them as they are");
        }
        hak->add_option("--list", args.hakList,
                        "List this hak's entries and the music rows it adds to the base table "
                        "(--table, else the game's) instead of packing")
            ->type_name("HAK");
        hak->add_flag("--json", args.json, "With --list: print one JSON object");
        hak->add_flag("-q,--quiet", args.quiet, "Write no summary");
        CLI::Option* hakFiles =
            AddFiles(*hak,
                     "MP3 files, or directories of them, to pack (use -- before names that "
                     "start with -)");
        hakFiles->required(false);
        game = app.add_subcommand(
            "game", "Show where the game and its user folder were found, and where haks go");
        game->add_option("--game", args.gameDir, "Look only in this folder for the game")
            ->type_name("DIR");
        info->footer(Footer({kProgressAndExit}));
        toBMU->footer(Footer({kConvertOutput, kProgressAndExit}));
        toMP3->footer(Footer({kConvertOutput, kProgressAndExit}));
        fix->footer(Footer({kFixOutput, kProgressAndExit}));
        hak->footer(Footer({kHakOutput, kProgressAndExit}));
        commands = {{info, infoFiles}, {toBMU, toBMUFiles}, {toMP3, toMP3Files},
                    {fix, fixFiles},   {hak, hakFiles},     {game, nullptr}};
    }
};

}  // namespace

int RunCli(int argc, char** argv) {
    auto parser = std::make_unique<Parser>();
    auto command = [&parser](std::string_view name) -> CLI::App* {
        for (const Command& known : parser->commands) {
            if (known.app->check_name(std::string(name))) return known.app;
        }
        return nullptr;
    };
    // "help" and "help COMMAND" are "--help" and "COMMAND --help".
    std::vector<char*> helpArguments;
    if (argc > 1 && argv[1][0] != '-' && command(argv[1]) == nullptr) {
        const bool help = std::string_view(argv[1]) == "help";
        const char* unknown = !help ? argv[1] : argc > 2 && !command(argv[2]) ? argv[2] : nullptr;
        if (unknown != nullptr) {
            return UsageError("unknown command '" + std::string(unknown) + "' (the commands are " +
                              kCommandNames + ")");
        }
        static char helpFlag[] = "--help";
        helpArguments.assign(argv, argv + std::min(argc, 3));
        helpArguments[1] = helpFlag;
        if (argc > 2) std::swap(helpArguments[1], helpArguments[2]);
        argc = static_cast<int>(helpArguments.size());
        argv = helpArguments.data();
    }
    std::vector<const char*> forParser;
    std::vector<std::string_view> files;
    bool split = SplitOffFiles(argc, argv, parser->commands, forParser, files);
    if (split) {
        try {
            parser->app.parse(static_cast<int>(forParser.size()), forParser.data());
            split = SameFirstFile(parser->commands, files);
        } catch (const CLI::ParseError&) {
            // The whole command line again, so the message names every argument as given.
            split = false;
        }
    }
    if (!split) {
        parser = std::make_unique<Parser>();
        try {
            parser->app.parse(argc, argv);
        } catch (const CLI::ParseError& error) {
            const CLI::App* given = argc > 1 ? command(argv[1]) : nullptr;
            if (const char* dashed = given ? UnknownDashArgument(*given, argc, argv) : nullptr) {
                return UsageError("unknown option " + std::string(dashed) +
                                  " (a file whose name starts with - goes after --: "
                                  "tunewrap-cli " +
                                  given->get_name() + " -- " + dashed + ")");
            }
            // --help and --version arrive here too, with status 0.
            return parser->app.exit(error) == 0 ? 0 : kExitUsage;
        }
        files.clear();
        for (const Command& command : parser->commands) {
            if (command.files == nullptr) continue;
            for (const std::string& file : command.files->results()) files.push_back(file);
        }
    }
    Arguments& args = parser->args;
    args.files = std::move(files);
    const CLI::App* fix = parser->fix;
    if (fix->parsed() && !ReencodeAvailable()) {
        std::fprintf(stderr, "tunewrap-cli: fix: %s\n", kReencodeUnavailableReason);
        return kExitUsage;
    }
    if (fix->parsed()) return WithOutputChecked(Fix(args));
    if (parser->game->parsed()) return WithOutputChecked(RunGame(args.gameDir, stdout));
    if (parser->hak->parsed()) return WithOutputChecked(Hak(args));
    return WithOutputChecked(parser->info->parsed()
                                 ? RunInfo(args.files, args.renameWav, args.json, stdout)
                                 : Convert(args, parser->toBMU->parsed()));
}

}  // namespace tunewrap::cli
