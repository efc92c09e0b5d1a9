#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// What the viewer was asked on its command line: vitrine [--help | --version | [--no-popup] FILE].
struct CCommandLine {
    enum class EAction { Run, Help, Version, Error };

    EAction action = EAction::Run;
    std::string file;      // Run: the file to open at start, empty for none
    std::string message;   // Error: what is wrong with the arguments
    bool noPopup = false;  // Run: no promotional popup at any skin load

    // `arguments` without the program's name. --help and --version win wherever they stand
    // before "--"; after "--" every argument is a file name.
    static CCommandLine Parse(const std::vector<std::string>& arguments);
};

// Answers what needs no window: the help and the version on `out` (status 0), a usage error on
// `err` (status 2). Nothing for a run.
std::optional<int> AnswerCommandLine(const CCommandLine& commandLine, const std::string& program,
                                     std::ostream& out, std::ostream& err);
