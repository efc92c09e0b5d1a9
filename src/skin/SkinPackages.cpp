// Skin packages: extracting one into a folder of its own, loading its skin, removing the folder,
// and switching skins with the Change Skin commands.

#include "SkinPackages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>

#include "controls/ComboList.h"
#include "controls/SkinCombo.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenInfo.h"
#include "skin/FallbackLook.h"
#include "skin/SkinDialog.h"
#include "skin/SkinFolder.h"
#include "zip/ZipException.h"
#include "zip/ZipReader.h"

namespace fs = std::filesystem;

namespace {

constexpr char kRetryQuestion[] =
    "The central directory was not found. If you're opening a multi-disk archive, make sure you have "
    "inserted the last disk. Retry?";
constexpr char kOpenFailed[] = "Open failed";
constexpr char kExtractFailed[] = "Extract failed";
constexpr char kDescriptionName[] = "Skin.ini";
// Rows every switch adds to the first combo box's list.
constexpr int kComboSampleRows = 3;

CMessageBoxes::Answer Say(QWidget* window, const char* text, CMessageBoxes::Buttons buttons) {
    // While the window is hidden (at start, during a switch) it has no place yet to centre a
    // box on; the box then takes the middle of the screen.
    QWidget* parent = window->isVisible() ? window : nullptr;
    return CMessageBoxes::Current().Show(parent, QString::fromLatin1(text),
                                         QCoreApplication::applicationName(), CMessageBoxes::Icon::Stop,
                                         buttons);
}

// A folder made fresh for one extraction, so that a package never writes into, and its removal
// never deletes, anything of the user's. Empty when none can be made.
std::string MakeWorkingFolder() {
    QTemporaryDir folder(QDir(QDir::tempPath()).filePath("vitrine-skin-XXXXXX"));
    if (!folder.isValid()) {
        return {};
    }
    folder.setAutoRemove(false);
    return QDir::toNativeSeparators(folder.path()).toStdString();
}

void RemoveTree(const fs::path& folder) {
    std::error_code ignored;
    // The folder's own rights first: without write and search rights nothing in it can go.
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(folder, ignored), end; !ignored && it != end; it.increment(ignored)) {
        entries.push_back(it->path());
    }
    for (const fs::path& entry : entries) {
        const fs::file_status status = fs::symlink_status(entry, ignored);
        if (fs::is_directory(status)) {
            RemoveTree(entry);
            continue;
        }
        if (!fs::is_symlink(status)) {
            // Read-only files are deleted all the same.
            fs::permissions(entry, fs::perms::owner_write, fs::perm_options::add, ignored);
        }
        fs::remove(entry, ignored);
    }
    fs::remove(folder, ignored);
}

}  // namespace

const SkinPackages::SCommand* SkinPackages::FindCommand(int command) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [command](const SCommand& c) { return c.command == command; });
    return found == kCommands.end() ? nullptr : &*found;
}

void CSkinDialog::ExtractPackage(const std::string& package, const std::string& folder) {
    m_zipReader->Close(true);
    for (;;) {
        try {
            // Read only: nothing is ever written to a package, and an installed one may not be
            // writable by the user.
            m_zipReader->Open(package, CZipReader::zipOpenReadOnly, 0);
            break;
        } catch (const CZipException& exception) {
            if (exception.GetCause() == CZipException::zcNoCentralDirectory &&
                Say(this, kRetryQuestion, CMessageBoxes::Buttons::YesNo) == CMessageBoxes::Answer::Yes) {
                m_zipReader->Close(true);
                continue;
            }
        } catch (...) {
        }
        m_zipReader->Close(true);
        Say(this, kOpenFailed, CMessageBoxes::Buttons::Ok);
        return;
    }
    try {
        const int count = m_zipReader->GetCount();
        for (int index = 0; index < count; ++index) {
            // Entries the reader refuses (names that leave the folder) are simply not there.
            m_zipReader->ExtractEntry(static_cast<std::uint16_t>(index), folder, true,
                                      CZipReader::kDefaultBufferSize);
        }
    } catch (...) {
        m_zipReader->Close(true);
        Say(this, kExtractFailed, CMessageBoxes::Buttons::Ok);
        return;
    }
    m_zipReader->Close(true);
}

void CSkinDialog::DeleteFolder(const std::string& folder) {
    std::error_code ignored;
    if (!folder.empty() && fs::is_directory(fs::symlink_status(folder, ignored))) {
        RemoveTree(folder);
    }
}

std::vector<std::string> CSkinDialog::PackageFolders() const {
    if (!m_packageFolders.empty()) {
        return m_packageFolders;
    }
    std::error_code ignored;
    return {fs::current_path(ignored).string()};
}

std::string CSkinDialog::FindPackage(const std::string& name) const {
    const std::vector<std::string> folders = PackageFolders();
    for (const std::string& folder : folders) {
        const fs::path path = fs::path(folder) / name;
        std::error_code ignored;
        if (fs::is_regular_file(path, ignored)) {
            return path.string();
        }
    }
    return (fs::path(folders.front()) / name).string();
}

void CSkinDialog::LoadPackage(const std::string& name) {
    const std::string folder = MakeWorkingFolder();
    if (folder.empty()) {
        Say(this, kExtractFailed, CMessageBoxes::Buttons::Ok);
    } else {
        ExtractPackage(FindPackage(name), folder);
    }
    const std::string description =
        folder.empty() ? std::string() : (fs::path(folder) / kDescriptionName).string();
    SetDescriptionPath(description);
    SetSkinFolder(description.empty() ? std::string() : GetFolderOf(description));
    LoadSkin();
    DeleteFolder(folder);
    UpdateFallbackLook(name);
}

void CSkinDialog::UpdateFallbackLook(const std::string& package) {
    if (HasSkin()) {
        m_fallback.reset();
        return;
    }
    if (!m_fallback) {
        m_fallback = std::make_unique<CFallbackLook>(*this);
    }
    QStringList folders;
    for (const std::string& folder : PackageFolders()) {
        folders << QString::fromStdString(folder);
    }
    m_fallback->SetMessage(tr("No skin could be loaded from %1. Skin packages are looked for in: %2.")
                               .arg(QString::fromStdString(package), folders.join(", ")));
    resize(CFallbackLook::WindowSize(CScreenInfo::Current().WorkArea()));
    m_fallback->setGeometry(rect());
    m_fallback->show();
    m_fallback->lower();
}

void CSkinDialog::OnChangeSkin(int command) {
    const SkinPackages::SCommand* entry = SkinPackages::FindCommand(command);
    if (!entry) {
        return;
    }
    m_currentSkin = command - SkinPackages::kFirstCommand;
    hide();
    HideNotifier();
    LoadPackage(entry->package);
    if (!m_comboBoxes.empty() && m_comboBoxes.front()->List()) {
        for (int row = 1; row <= kComboSampleRows; ++row) {
            m_comboBoxes.front()->List()->AddItem(QString("%1%2").arg("item").arg(row));
        }
    }
    show();
}

void CSkinDialog::OnUpdateChangeSkin(QAction& action) const {
    action.setCheckable(true);
    action.setChecked(action.data().toInt() == SkinPackages::kFirstCommand + m_currentSkin);
}
