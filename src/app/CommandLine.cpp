#include "CommandLine.h"

#include <ostream>

namespace {

void Usage(const std::string& program, std::ostream& out) {
    out << "Usage: " << program << " [--no-popup] [FILE]\n";
}

}  // namespace

CCommandLine CCommandLine::Parse(const std::vector<std::string>& arguments) {
    CCommandLine result;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            return {EAction::Help, {}, {}};
        } else if (argument == "--version") {
            return {EAction::Version, {}, {}};
        } else if (argument == "--no-popup") {
            result.noPopup = true;
        } else if (result.action == EAction::Run) {
            result = {EAction::Error, {}, "unknown option " + argument};
        }
    }
    if (result.action == EAction::Run && files.size() > 1) {
        result = {EAction::Error, {}, "one FILE at most"};
    }
    if (result.action == EAction::Run && !files.empty()) {
        result.file = files.front();
    }
    return result;
}

std::optional<int> AnswerCommandLine(const CCommandLine& commandLine, const std::string& program,
                                     std::ostream& out, std::ostream& err) {
    switch (commandLine.action) {
        case CCommandLine::EAction::Run:
            return std::nullopt;
        case CCommandLine::EAction::Help:
            Usage(program, out);
            out << "Shows DICOM images and TIF images in a skinned window.\n\n"
                   "  FILE        a DICOM or TIF file to open at start\n"
                   "  --no-popup  no promotional popup at skin loads\n"
                   "  --help      show this help and exit\n"
                   "  --version   show the version and exit\n";
            return 0;
        case CCommandLine::EAction::Version:
            out << program << " " << VITRINE_VERSION << "\n";
            return 0;
        case CCommandLine::EAction::Error:
            err << program << ": " << commandLine.message << "\n";
            Usage(program, err);
            err << "Try '" << program << " --help' for more.\n";
            return 2;
    }
    return 2;
}
