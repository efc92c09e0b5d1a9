#pragma once

#include <QString>
#include <stdexcept>

// What can fail when menu frames are installed or put on a menu.
enum class EMenuFrameError : unsigned long {
    NoApplication = 1,  // installed before the application object exists
    OtherThread = 2,    // installed from a thread other than the user-interface thread
    SizeRefused = 3,    // a menu window kept its size (it has a fixed, minimum or maximum size)
};

// The message for an error code, or "Error message 0x%lx not found" for a code without one.
QString MenuFrameErrorMessage(unsigned long code);

// Shows the message for `code` in a box titled "Error" with the information icon. Without an
// application object, or off its thread, no box can be shown: the message goes to standard error.
void ReportMenuFrameError(EMenuFrameError error);

// Thrown when the frames cannot be installed.
class CMenuFrameException : public std::runtime_error {
public:
    explicit CMenuFrameException(EMenuFrameError error);
    EMenuFrameError Error() const { return m_error; }

private:
    EMenuFrameError m_error;
};
