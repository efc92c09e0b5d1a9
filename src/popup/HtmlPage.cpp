#include "HtmlPage.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

constexpr char kBundledPage[] = ":/vitrine/popup/notifier.html";
constexpr char kSkinPage[] = "notifier.html";

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of the pictures the page shows, as written in it.
QStringList PictureNames(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                names.append(format.toImageFormat().name());
            }
        }
    }
    names.removeDuplicates();
    return names;
}

// A name that stays inside the skin folder: relative, without a scheme and without "..".
bool IsInsideFolder(const QString& name) {
    const QString clean = QDir::cleanPath(name);
    return !clean.isEmpty() && QDir::isRelativePath(clean) && !clean.startsWith(QLatin1String("..")) &&
           !clean.contains(QLatin1Char(':'));
}

}  // namespace

SHtmlPage BundledNotifierPage() {
    return {DecodeHtml(ReadFile(QString::fromLatin1(kBundledPage))), {}};
}

std::optional<SHtmlPage> ReadSkinNotifierPage(const std::string& folder) {
    const QString dir = QString::fromStdString(folder);
    QFile file(dir + QLatin1String(kSkinPage));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    SHtmlPage page{DecodeHtml(file.readAll()), {}};
    for (const QString& name : PictureNames(page.html)) {
        QImage picture;
        if (IsInsideFolder(name) && picture.load(dir + QDir::cleanPath(name))) {
            page.pictures.insert(name, picture);
        }
    }
    return page;
}

QString DecodeHtml(const QByteArray& bytes) {
    const auto encoding = QStringConverter::encodingForHtml(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}
