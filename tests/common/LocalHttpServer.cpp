#include "LocalHttpServer.h"

#include <QTcpSocket>

CLocalHttpServer::CLocalHttpServer() {
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, &CLocalHttpServer::OnConnection);
}

void CLocalHttpServer::Serve(const QByteArray& path, SResponse response) {
    m_responses.insert(path, std::move(response));
}

QString CLocalHttpServer::Host() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

quint16 CLocalHttpServer::ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();  // closed again when `probe` goes
}

void CLocalHttpServer::OnConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            // The whole head has arrived once the blank line has.
            if (!socket->peek(64 * 1024).contains("\r\n\r\n")) {
                return;
            }
            const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
            socket->readAll();
            const QByteArray target = requestLine.value(1);
            m_requests.append(QString::fromLatin1(target));
            const auto found = m_responses.constFind(target.split('?').first());
            const SResponse response =
                found != m_responses.constEnd() ? *found : SResponse{404, "text/plain", "not found", true};
            if (!response.answer) {
                return;
            }
            socket->write("HTTP/1.1 " + QByteArray::number(response.status) +
                          " Status\r\nContent-Type: " + response.contentType +
                          "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                          "\r\nConnection: close\r\n\r\n" + response.body);
            socket->disconnectFromHost();
        });
    }
}
