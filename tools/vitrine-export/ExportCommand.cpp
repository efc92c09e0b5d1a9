#include "ExportCommand.h"

#include <charconv>
#include <cstdint>

#include "viewer/ImageViewerControl.h"

const char kExportUsage[] =
    "usage: vitrine-export info FILE | pages FILE | save FILE OUT [--page N] [--voi file|minmax|C,W] "
    "[--option TEXT] [--a N] [--b N]";

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool ParseVoi(const std::string& text, CVoiChoice& voi) {
    if (text == "file") {
        voi = {};
        return true;
    }
    if (text == "minmax") {
        voi = {CVoiChoice::EMode::MinMax};
        return true;
    }
    const std::size_t comma = text.find(',');
    double centre = 0;
    double width = 0;
    if (comma == std::string::npos || !ParseNumber(text.substr(0, comma), centre) ||
        !ParseNumber(text.substr(comma + 1), width) || width <= 0) {
        return false;
    }
    voi = CVoiChoice::Window(centre, width);
    return true;
}

bool ParseSaveOption(const std::string& name, const std::string& value, CExportRequest& request) {
    if (name == "--page") {
        return ParseNumber(value, request.page);
    }
    if (name == "--voi") {
        return ParseVoi(value, request.voi);
    }
    if (name == "--option") {
        request.option = value;
        return true;
    }
    if (name == "--a") {
        return ParseNumber(value, request.a);
    }
    if (name == "--b") {
        return ParseNumber(value, request.b);
    }
    return false;
}

std::string Named(const CExportRequest& request, const std::string& reason) {
    return request.file + ": " + reason;
}

// The page number and the two settings travel as 16-bit values, as the viewer window sends them.
int AsShort(int value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

bool ParseExportArguments(const std::vector<std::string>& arguments, CExportRequest& request,
                          std::string& error) {
    if (arguments.empty()) {
        error = "no command given";
        return false;
    }
    const std::string& command = arguments[0];
    const std::size_t fixed = command == "save" ? 3 : 2;
    if (command != "info" && command != "pages" && command != "save") {
        error = "unknown command \"" + command + "\"";
        return false;
    }
    if (arguments.size() < fixed || (command != "save" && arguments.size() != fixed)) {
        error = "wrong number of arguments for \"" + command + "\"";
        return false;
    }
    request.command = command == "info"    ? CExportRequest::ECommand::Info
                      : command == "pages" ? CExportRequest::ECommand::Pages
                                           : CExportRequest::ECommand::Save;
    request.file = arguments[1];
    if (request.command == CExportRequest::ECommand::Save) {
        request.out = arguments[2];
    }
    for (std::size_t i = fixed; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size() || !ParseSaveOption(arguments[i], arguments[i + 1], request)) {
            error = "bad option \"" + arguments[i] +
                    (i + 1 < arguments.size() ? " " + arguments[i + 1] : "") + "\"";
            return false;
        }
    }
    return true;
}

std::string EscapeField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

int RunExport(const CExportRequest& request, std::ostream& out, std::string& error) {
    CImageViewerControl control;
    control.SetOpenOption(1);
    if (!control.OpenFile(request.file)) {
        error = Named(request, control.LastError());
        return kUsageOrInput;
    }
    switch (request.command) {
        case CExportRequest::ECommand::Pages:
            out << control.PageCount() << '\n';
            return kSuccess;
        case CExportRequest::ECommand::Info:
            for (int section = 0; section < control.SectionCount(); ++section) {
                const std::string name = EscapeField(control.SectionName(section));
                for (int entry = 0; entry < control.EntryCount(section); ++entry) {
                    out << section << '\t' << name << '\t' << entry << '\t'
                        << EscapeField(control.EntryName(section, entry)) << '\t'
                        << EscapeField(control.EntryValue(section, entry)) << '\n';
                }
            }
            return kSuccess;
        case CExportRequest::ECommand::Save:
            break;
    }
    if (!control.GoToPage(AsShort(request.page))) {
        error = Named(request, "there is no page " + std::to_string(request.page) + " (the file has " +
                                   std::to_string(control.PageCount()) + ")");
        return kControlFailure;
    }
    control.SetVoi(request.voi);
    if (control.SaveImage(request.out, request.option, AsShort(request.a), AsShort(request.b)) != 1) {
        error = Named(request, "cannot save " + request.out + ": " + control.LastError());
        return kControlFailure;
    }

    return kSuccess;
}
