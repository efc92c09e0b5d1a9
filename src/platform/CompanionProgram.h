#pragma once

#include <string>

// The full path of `name`, a program that comes with the running one: beside its executable, or in
// libexec/vitrine of a folder above it. Installed, that is bin/../libexec/vitrine; the build tree
// has the same folder at its top, a few levels above its executables. Empty when no executable file
// of that name is found, so that a program from elsewhere is never started in its place.
std::string FindCompanionProgram(const std::string& name);
