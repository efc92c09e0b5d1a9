#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

CMessageBoxes* g_installed = nullptr;

QMessageBox::Icon ToQt(CMessageBoxes::Icon icon) {
    switch (icon) {
        case CMessageBoxes::Icon::Information:
            return QMessageBox::Information;
        case CMessageBoxes::Icon::Warning:
            return QMessageBox::Warning;
        case CMessageBoxes::Icon::Stop:
            return QMessageBox::Critical;
        case CMessageBoxes::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(CMessageBoxes::Buttons buttons) {
    switch (buttons) {
        case CMessageBoxes::Buttons::Ok:
            return QMessageBox::Ok;
        case CMessageBoxes::Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case CMessageBoxes::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

CMessageBoxes::Answer FromQt(int button) {
    switch (button) {
        case QMessageBox::Retry:
            return CMessageBoxes::Answer::Retry;
        case QMessageBox::Cancel:
            return CMessageBoxes::Answer::Cancel;
        case QMessageBox::Yes:
            return CMessageBoxes::Answer::Yes;
        case QMessageBox::No:
            return CMessageBoxes::Answer::No;
        default:
            return CMessageBoxes::Answer::Ok;
    }
}

}  // namespace

CMessageBoxes& CMessageBoxes::Current() {
    static CQtMessageBoxes qtBoxes;
    return g_installed ? *g_installed : qtBoxes;
}

void CMessageBoxes::Install(CMessageBoxes* boxes) {
    g_installed = boxes;
}

CMessageBoxes::Answer CQtMessageBoxes::Show(QWidget* parent, const QString& text, const QString& caption,
                                            Icon icon, Buttons buttons) {
    QMessageBox box(ToQt(icon), caption, text, ToQt(buttons), parent);
    return FromQt(box.exec());
}
