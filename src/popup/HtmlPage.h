#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <optional>
#include <string>

// A page the browser shows without asking the network: its HTML and the pictures it names,
// by the names it gives them.
struct SHtmlPage {
    QString html;
    QHash<QString, QImage> pictures;
};

// The page that ships with the program.
SHtmlPage BundledNotifierPage();

// "notifier.html" of the skin folder `folder` (ending in a separator), with the pictures it
// names beside it, read at once since the folder goes away after the load; nothing when the
// skin has no such page.
std::optional<SHtmlPage> ReadSkinNotifierPage(const std::string& folder);

// Text of an HTML file's bytes, in the encoding its <meta> names (UTF-8 when it names none).
QString DecodeHtml(const QByteArray& bytes);
