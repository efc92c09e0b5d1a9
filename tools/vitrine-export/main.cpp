// vitrine-export: the viewer control without a window, for scripts. See ExportCommand.h.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <iostream>

#include "ExportCommand.h"

namespace {

// The decoding libraries print their own diagnostics on the standard error stream; the tool
// promises one line there, its own, so theirs go to /dev/null while it works.
class CQuietStandardError {
public:
    CQuietStandardError() : m_saved(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~CQuietStandardError() { Restore(); }

    void Restore() {
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
    }

private:
    int m_saved;
};

}  // namespace

int main(int argc, char* argv[]) {
    CQuietStandardError quiet;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::printf("%s\n", kExportUsage);
        return kSuccess;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::printf("vitrine-export %s\n", VITRINE_VERSION);
        return kSuccess;
    }
    CExportRequest request;
    std::string error;
    int status = kUsageOrInput;
    if (ParseExportArguments(arguments, request, error)) {
        QApplication application(argc, argv);
        status = RunExport(request, std::cout, error);
        std::cout.flush();
    } else {
        error = "vitrine-export: " + error + " (" + kExportUsage + ")";
    }
    quiet.Restore();
    if (status != kSuccess) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return status;
}
