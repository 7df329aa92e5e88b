#include "CommandLine.h"

#include <exception>
#include <functional>
#include <ostream>

#include "Commands.h"

namespace {

using Operands = std::vector<std::string>;

// Commands with options check their own words.
constexpr size_t kOwnWords = static_cast<size_t>(-1);

struct Command {
    const char* name;
    const char* operands;  // as shown in the usage
    size_t operandCount;   // or kOwnWords
    const char* summary;
    std::function<int(const Operands&, const FileListOpener&, std::ostream&, std::ostream&)> run;
};

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> commands = {
        {"dump", "FILE", 1, "print the character file as JSON",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunDump(o[0], out, err); }},
        {"check", "FILE", 1, "verify the file reads to its end and every picture block matches its header",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunCheck(o[0], out, err); }},
        {"info", "FILE", 1, "print a short summary of the character",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunInfo(o[0], out, err); }},
        {"export", "FILE DIR", 2, "write every picture as PNG and DIR/manifest.json",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunExport(o[0], o[1], out, err); }},
        {"build", "MANIFEST OUT", 2, "write a character file from a manifest and its pictures",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunBuild(o[0], o[1], out, err); }},
        {"import", "FILE.rux ANIMATION SOURCE... [--grid CxR] [--time MS] [--anchor X,Y] [--shift X,Y] [--character NAME] [--replace]",
         kOwnWords, "add an animation made from an animated GIF, a sprite sheet or pictures",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunImport(o, out, err); }},
        {"render", "FILE.rux ANIMATION OUT.gif|OUT.png [--to X,Y] [--seconds S] [--background RRGGBB] [--transparent]",
         kOwnWords, "play an animation as the engine does into an animated GIF (soft edges cut at half opacity)\n"
         "      or a PNG film strip (soft edges kept)",
         [](const Operands& o, const FileListOpener&, std::ostream& out, std::ostream& err) { return RunRender(o, out, err); }},
        {"install", "FILE.rux...", kOwnWords, "add the files to the installed-file list (first free File_N), once each",
         [](const Operands& o, const FileListOpener& open, std::ostream& out, std::ostream& err) {
             return RunInstall(o, open, out, err);
         }},
        {"uninstall", "FILE.rux...", kOwnWords, "take the entries listing these files out of the installed-file list",
         [](const Operands& o, const FileListOpener& open, std::ostream& out, std::ostream& err) {
             return RunUninstall(o, open, out, err);
         }},
    };
    return commands;
}

void PrintUsage(std::ostream& out) {
    out << "usage: ruxtool COMMAND ARGUMENTS\n";
    for (const Command& command : CommandTable()) {
        out << "  ruxtool " << command.name << ' ' << command.operands << "\n      " << command.summary << '\n';
    }
    out << "Exit status: 0 success, 1 the file is broken or cannot be read or written, 2 bad command line.\n";
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : CommandTable()) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

int Dispatch(const std::vector<std::string>& args, const FileListOpener& openFileList, std::ostream& out,
             std::ostream& err) {
    if (args.empty()) {
        err << "ruxtool: no command given (try 'ruxtool help')\n";
        return kExitUsage;
    }
    if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(out);
        return kExitOk;
    }
    const Command* command = FindCommand(args[0]);
    if (command == nullptr) {
        err << "ruxtool: unknown command '" << args[0] << "' (try 'ruxtool help')\n";
        return kExitUsage;
    }
    const Operands operands(args.begin() + 1, args.end());
    if (command->operandCount != kOwnWords && operands.size() != command->operandCount) {
        err << "ruxtool " << command->name << ": expected " << command->operands << " (usage: ruxtool "
            << command->name << ' ' << command->operands << ")\n";
        return kExitUsage;
    }
    return command->run(operands, openFileList, out, err);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const FileListOpener& openFileList) {
    try {
        return Dispatch(args, openFileList, out, err);
    } catch (const std::exception& error) {
        err << "ruxtool: " << error.what() << '\n';
    } catch (...) {
        err << "ruxtool: unexpected failure\n";
    }
    return kExitFailure;
}
