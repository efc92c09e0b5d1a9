#pragma once

#include <QString>

class QWidget;

// Message boxes behind an interface so that tests can answer them instead of a user.
class CMessageBoxes {
public:
    enum class Icon { Information, Warning, Stop, Question };
    enum class Buttons { Ok, RetryCancel, YesNo };
    enum class Answer { Ok, Retry, Cancel, Yes, No };

    virtual ~CMessageBoxes() = default;
    virtual Answer Show(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                        Buttons buttons) = 0;

    // The boxes in use; the Qt implementation unless a test installed another one.
    static CMessageBoxes& Current();
    // Installs `boxes` (not owned) for the rest of the process, or restores Qt's with nullptr.
    static void Install(CMessageBoxes* boxes);
};

// Real modal boxes shown with QMessageBox.
class CQtMessageBoxes : public CMessageBoxes {
public:
    Answer Show(QWidget* parent, const QString& text, const QString& caption, Icon icon,
                Buttons buttons) override;
};
