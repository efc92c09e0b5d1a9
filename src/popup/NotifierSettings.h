#pragma once

#include <QString>
#include <QUrl>

// Whether the promotional popup slides in at every skin load, and where its page comes from.
struct SNotifierSettings {
    bool enabled = true;
    // The server of the page: "example.org", "example.org:8080" or with a scheme,
    // "https://example.org". Empty: nothing is fetched and the page that ships with the program
    // shows instead.
    QString host;
};

// The user's settings, from the [popup] group of the configuration file
// ($XDG_CONFIG_HOME/vitrine/vitrine.conf): `enabled` (true unless set to false) and `host`
// (the build's VITRINE_POPUP_HOST when absent).
SNotifierSettings ReadNotifierSettings();

// The address of the popup's page on `host`; empty when there is no host.
QUrl NotifierPageUrl(const QString& host);
