#include "MenuFrameErrors.h"

#include <QApplication>
#include <QThread>
#include <cstdio>

#include "platform/MessageBoxes.h"

QString MenuFrameErrorMessage(unsigned long code) {
    switch (static_cast<EMenuFrameError>(code)) {
        case EMenuFrameError::NoApplication:
            return QStringLiteral("Menu frames need the application object, which does not exist yet.");
        case EMenuFrameError::OtherThread:
            return QStringLiteral("Menu frames can only be installed from the user-interface thread.");
        case EMenuFrameError::SizeRefused:
            return QStringLiteral("A menu window did not take the size of its frame.");
    }
    return QString::asprintf("Error message 0x%lx not found", code);
}

void ReportMenuFrameError(EMenuFrameError error) {
    const QString text = MenuFrameErrorMessage(static_cast<unsigned long>(error));
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QThread::currentThread() != QCoreApplication::instance()->thread()) {
        std::fprintf(stderr, "Error: %s\n", qPrintable(text));
        return;
    }
    CMessageBoxes::Current().Show(nullptr, text, QStringLiteral("Error"), CMessageBoxes::Icon::Information,
                                  CMessageBoxes::Buttons::Ok);
}

CMenuFrameException::CMenuFrameException(EMenuFrameError error)
    : std::runtime_error(MenuFrameErrorMessage(static_cast<unsigned long>(error)).toStdString()),
      m_error(error) {}
