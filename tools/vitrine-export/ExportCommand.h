#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "viewer/Renderer.h"

// One run of vitrine-export: what to do with which file.
struct CExportRequest {
    enum class ECommand { Info, Pages, Save };
    ECommand command = ECommand::Info;
    std::string file;
    std::string out;
    int page = 1;
    CVoiChoice voi;
    std::string option;
    int a = 0;
    int b = 0;
};

// Exit statuses of the tool.
enum EExitStatus : int { kSuccess = 0, kControlFailure = 1, kUsageOrInput = 2 };

// Reads the command line (without the program name); false with a reason for a usage error.
bool ParseExportArguments(const std::vector<std::string>& arguments, CExportRequest& request,
                          std::string& error);

// Runs the request over a viewer control, writing results to `out`; the exit status, with a
// one-line reason naming the file in `error` when it is not success.
int RunExport(const CExportRequest& request, std::ostream& out, std::string& error);

// A text as one tab-separated field: tab, newline and backslash written as \t, \n and \\.
std::string EscapeField(const std::string& text);

extern const char kExportUsage[];
