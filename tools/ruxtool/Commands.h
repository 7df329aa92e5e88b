#pragma once
// The ruxtool commands. Each returns the process exit code and writes one line to err on failure.
#include <iosfwd>
#include <string>
#include <vector>

#include "FileListOpener.h"

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the file is unreadable, broken or could not be written
constexpr int kExitUsage = 2;    // the command line is wrong

// The file as JSON; on a failed load, what was read and the failing offset.
int RunDump(const std::string& file, std::ostream& out, std::ostream& err);
// Whether the file loads to its end with every picture block the size its header calls for.
int RunCheck(const std::string& file, std::ostream& out, std::ostream& err);
// A short human summary.
int RunInfo(const std::string& file, std::ostream& out, std::ostream& err);
// Every picture as a PNG in the folder, with manifest.json describing the rest.
int RunExport(const std::string& file, const std::string& folder, std::ostream& out, std::ostream& err);
// A character file from a manifest and the pictures it names.
int RunBuild(const std::string& manifest, const std::string& file, std::ostream& out, std::ostream& err);
// Adds an animation made from source pictures; words are the operands and options.
int RunImport(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
// Plays an animation tick by tick into an animated GIF or a PNG film strip.
int RunRender(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
// Adds each character file to the installed-file list at the first free File_N, as
// GraphicFiles.Add does; a path already listed stays where it is.
int RunInstall(const std::vector<std::string>& files, const FileListOpener& open, std::ostream& out,
               std::ostream& err);
// Takes out every entry listing one of the files (by path, A to Z without case), moving the
// later entries down as GraphicFiles.Remove does; other entries stay.
int RunUninstall(const std::vector<std::string>& files, const FileListOpener& open, std::ostream& out,
                 std::ostream& err);
