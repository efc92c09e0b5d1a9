#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// File open and save dialogs behind an interface so that tests can answer them instead of a
// user. Filters are written as pairs of description and patterns, each followed by "|", the
// patterns of a pair separated by ";", the whole ending in "||":
// "TIF Files (*.tif)|*.tif;*.tiff||".
class CFileDialogs {
public:
    virtual ~CFileDialogs() = default;

    // The files chosen to open, as full paths, in the order the dialog gives them; empty when
    // the user cancels. Every file exists; several may be chosen.
    virtual QStringList Open(QWidget* parent, const QString& filter) = 0;
    // The full path to save to, empty when the user cancels. The file may not exist yet; when
    // it does, the user has agreed to replace it.
    virtual QString Save(QWidget* parent, const QString& filter) = 0;

    // The dialogs in use; Qt's unless a test installed others.
    static CFileDialogs& Current();
    // Installs `dialogs` (not owned) for the rest of the process, or restores Qt's with nullptr.
    static void Install(CFileDialogs* dialogs);

    // The filter as Qt's dialogs take it: one "Description (*.a *.b)" per pair, the patterns
    // taken from the pair (a description's own parentheses may name fewer of them).
    static QStringList QtFilters(const QString& filter);
};

// Qt's dialogs: the desktop's own where the platform provides one, Qt's otherwise. Each starts in
// the folder of the file last chosen in one of them (at first, the current folder); none changes
// the process's current folder.
class CQtFileDialogs : public CFileDialogs {
public:
    QStringList Open(QWidget* parent, const QString& filter) override;
    QString Save(QWidget* parent, const QString& filter) override;

private:
    void Remember(const QString& chosen);

    QString m_folder;
};
