#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

CFileDialogs* g_installed = nullptr;

QString JoinedForQt(const QString& filter) {
    return CFileDialogs::QtFilters(filter).join(";;");
}

}  // namespace

CFileDialogs& CFileDialogs::Current() {
    static CQtFileDialogs qtDialogs;
    return g_installed ? *g_installed : qtDialogs;
}

void CFileDialogs::Install(CFileDialogs* dialogs) {
    g_installed = dialogs;
}

QStringList CFileDialogs::QtFilters(const QString& filter) {
    // Qt reads the patterns from the parentheses that end a description, so the pair's own
    // patterns replace whatever the description shows there.
    static const QRegularExpression trailingPatterns(R"(\s*\([^()]*\)\s*$)");
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = QString(parts[i]).remove(trailingPatterns).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';')) {
            if (!pattern.trimmed().isEmpty()) {
                patterns.append(pattern.trimmed());
            }
        }
        if (description.isEmpty() && patterns.isEmpty()) {
            break;  // the empty pair that ends the filter
        }
        filters.append(QString("%1 (%2)").arg(description, patterns.join(' ')));
    }
    return filters;
}

QStringList CQtFileDialogs::Open(QWidget* parent, const QString& filter) {
    const QStringList chosen =
        QFileDialog::getOpenFileNames(parent, QString(), m_folder, JoinedForQt(filter));
    if (!chosen.isEmpty()) {
        Remember(chosen.front());
    }
    return chosen;
}

QString CQtFileDialogs::Save(QWidget* parent, const QString& filter) {
    // Any name may be typed, and an existing file is replaced only after the user agrees.
    const QString chosen = QFileDialog::getSaveFileName(parent, QString(), m_folder, JoinedForQt(filter));
    if (!chosen.isEmpty()) {
        Remember(chosen);
    }
    return chosen;
}

void CQtFileDialogs::Remember(const QString& chosen) {
    m_folder = QFileInfo(chosen).absolutePath();
}
