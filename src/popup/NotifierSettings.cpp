#include "NotifierSettings.h"

#include <QSettings>

#ifndef VITRINE_POPUP_HOST
#define VITRINE_POPUP_HOST ""
#endif

namespace {

constexpr char kPagePath[] = "/myindex3.php";
constexpr char kPageQuery[] = "pcode=5023";

}  // namespace

SNotifierSettings ReadNotifierSettings() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vitrine"),
                       QStringLiteral("vitrine"));
    SNotifierSettings result;
    result.enabled = settings.value(QStringLiteral("popup/enabled"), true).toBool();
    result.host = settings.value(QStringLiteral("popup/host"), QStringLiteral(VITRINE_POPUP_HOST)).toString();
    return result;
}

QUrl NotifierPageUrl(const QString& host) {
    const QString origin = host.trimmed();
    if (origin.isEmpty()) {
        return {};
    }
    QUrl url(origin.contains(QStringLiteral("://")) ? origin : QStringLiteral("http://") + origin);
    url.setPath(QString::fromLatin1(kPagePath));
    url.setQuery(QString::fromLatin1(kPageQuery));
    return url;
}
