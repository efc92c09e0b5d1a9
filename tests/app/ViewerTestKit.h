#pragma once

#include <QStringList>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/ViewerDialog.h"
#include "common/SkinFolder.h"
#include "platform/Dispatch.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

// Message boxes that are written down and answered with OK instead of shown; installed for
// the object's life.
class CRecordedBoxes : public CMessageBoxes {
public:
    struct SBox {
        std::string text;
        std::string caption;
        Icon icon;
    };

    CRecordedBoxes() { CMessageBoxes::Install(this); }
    ~CRecordedBoxes() override { CMessageBoxes::Install(nullptr); }

    Answer Show(QWidget*, const QString& text, const QString& caption, Icon icon, Buttons) override {
        shown.push_back({text.toStdString(), caption.toStdString(), icon});
        return Answer::Ok;
    }
    // The texts shown, in order.
    std::vector<std::string> Texts() const;

    std::vector<SBox> shown;
};

// File dialogs answered from queues (an empty queue answers as a cancel); installed for the
// object's life. Every filter asked for is written down.
class CAnsweredDialogs : public CFileDialogs {
public:
    CAnsweredDialogs() { CFileDialogs::Install(this); }
    ~CAnsweredDialogs() override { CFileDialogs::Install(nullptr); }

    QStringList Open(QWidget*, const QString& filter) override;
    QString Save(QWidget*, const QString& filter) override;

    std::deque<QStringList> opens;
    std::deque<QString> saves;
    std::vector<std::string> filters;
};

// A stand-in for the viewer control that writes down every call, as "GoToPage(3)", and
// answers from a small script: a file of `pageCount` pages whose sections and entries are
// given, values "v<section>.<entry>".
class CScriptedViewer : public IDispatchTarget {
public:
    CVariant Invoke(int dispid, EDispatchKind kind, const std::vector<CVariant>& args) override;

    // The calls since the last Take, separated by spaces.
    std::string Take();

    int pageCount = 0;
    bool opens = true;
    std::int16_t saveResult = 1;
    std::string lastError;
    std::vector<std::pair<std::string, std::vector<std::string>>> sections;
    // A member that fails with a dispatch exception, "the control failed", 0 for none.
    int failing = 0;

private:
    std::vector<std::string> m_calls;
    int m_shownPage = 0;
};

// A viewer window shown with a skin that has every control the commands use: seven edit boxes,
// three information lists, a combo box, the progress slider and its time label. Its viewer
// control is the scripted one until a test detaches it.
class CViewerUnderTest {
public:
    // With `complete` false the skin has no edit boxes, lists or combo box.
    explicit CViewerUnderTest(bool complete = true);

    CViewerDialog& Dialog() { return *m_dialog; }
    // Types `text` into edit box `index`, as a user would replace its content.
    void Type(std::size_t index, const QString& text);
    std::string Edit(std::size_t index) const;
    // The texts of column 1 of list `index`, one per row.
    std::vector<std::string> Rows(std::size_t index) const;
    // Clicks the row `row` of list `index`.
    void ClickRow(std::size_t index, int row);
    // Sets the page the commands start from, through the go-to box, and forgets the calls.
    void StartAtPage(int page);

    CRecordedBoxes boxes;
    CAnsweredDialogs dialogs;
    CScriptedViewer viewer;

private:
    CSkinFixture m_skin;
    std::unique_ptr<CViewerDialog> m_dialog;
};

// Runs the test body with the current folder set to `folder`, restoring it afterwards.
class CWorkingFolder {
public:
    explicit CWorkingFolder(const std::string& folder);
    ~CWorkingFolder();

private:
    std::string m_saved;
};

// A file of python3-pydicom's test data, by name.
std::string PydicomFile(const std::string& name);
