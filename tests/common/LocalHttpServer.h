#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// An HTTP server on 127.0.0.1 for one test, on a port the system picks; it answers while the
// test runs the event loop and stops with the object.
class CLocalHttpServer : public QObject {
public:
    struct SResponse {
        int status = 200;
        QByteArray contentType = "text/html";
        QByteArray body;
        // False: the request is read and never answered.
        bool answer = true;
    };

    CLocalHttpServer();

    // The response to requests for `path` (the target without its query); others get 404.
    void Serve(const QByteArray& path, SResponse response);
    // "127.0.0.1:port".
    QString Host() const;
    // The request targets received so far, in order ("/page.php?a=1").
    const QStringList& Requests() const { return m_requests; }

    // A local port on which nothing listens, so that connecting to it is refused.
    static quint16 ClosedPort();

private:
    void OnConnection();

    QTcpServer m_server;
    QHash<QByteArray, SResponse> m_responses;
    QStringList m_requests;
};
