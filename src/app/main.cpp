#include <QApplication>
#include <QFileInfo>
#include <iostream>

#include "app/CommandLine.h"
#include "app/ViewerApp.h"
#include "menuframes/MenuFrames.h"
#include "popup/NotifierSettings.h"

int main(int argc, char* argv[]) {
    const std::string program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toStdString();
    // Help and the version need no display, so they are answered before the window system starts.
    const CCommandLine early = CCommandLine::Parse({argv + 1, argv + argc});
    if (early.action == CCommandLine::EAction::Help || early.action == CCommandLine::EAction::Version) {
        return *AnswerCommandLine(early, program, std::cout, std::cerr);
    }

    QApplication application(argc, argv);
    const CMenuFrames menuFrames;  // every popup menu is framed until the program ends
    // Qt has taken its own options (-platform, -display, ...) out of the arguments by now.
    const QStringList arguments = QApplication::arguments().mid(1);
    std::vector<std::string> rest;
    for (const QString& argument : arguments) {
        rest.push_back(argument.toStdString());
    }
    const CCommandLine commandLine = CCommandLine::Parse(rest);
    if (const std::optional<int> status = AnswerCommandLine(commandLine, program, std::cout, std::cerr)) {
        return *status;
    }
    SNotifierSettings notifier = ReadNotifierSettings();
    if (commandLine.noPopup) {
        notifier.enabled = false;
    }
    CViewerApp viewer;
    viewer.SetStartFile(commandLine.file);
    viewer.SetNotifierSettings(notifier);
    return viewer.InitInstance() ? QApplication::exec() : 0;
}
