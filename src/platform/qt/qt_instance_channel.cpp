#include "platform/qt/qt_instance_channel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace fluvane::platform::qt {

namespace {

// The page of a whole message; nothing unless it is well formed.
std::optional<std::string> pageOf(const QByteArray& message) {
    if (message.size() < 2 || message.size() > QtInstanceChannel::kMaxMessageBytes || !message.endsWith('\n'))
        return std::nullopt;
    const QByteArray page = message.chopped(1);
    if (std::any_of(page.begin(), page.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F;
        })) {
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(page);
    if (utf8.hasError()) return std::nullopt;
    return page.toStdString();
}

void drop(QLocalSocket& peer) {
    peer.abort();
    peer.deleteLater();
}

}  // namespace

QtInstanceChannel::QtInstanceChannel(const std::filesystem::path& folder, const std::string& name)
    : socketFile_(folder.empty() ? std::filesystem::path() : folder / name) {}

QtInstanceChannel::~QtInstanceChannel() = default;

bool QtInstanceChannel::listen() {
    if (socketFile_.empty()) return false;
    if (server_) return server_->isListening();
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { acceptPending(); });
    // Only the lock's holder listens, so a socket left here is a dead instance's.
    const QString path = QString::fromStdString(socketFile_.string());
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

void QtInstanceChannel::acceptPending() {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        auto* deadline = new QTimer(peer);
        deadline->setSingleShot(true);
        QObject::connect(deadline, &QTimer::timeout, peer, [peer] { drop(*peer); });
        QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] { read(*peer); });
        QObject::connect(peer, &QLocalSocket::disconnected, peer, [peer] { drop(*peer); });
        deadline->start(kPeerTimeoutMs);
        if (peer->bytesAvailable() > 0) read(*peer);
    }
}

// Waits for the line break; the message is whatever came up to it.
void QtInstanceChannel::read(QLocalSocket& peer) {
    if (peer.bytesAvailable() > kMaxMessageBytes) {
        drop(peer);
        return;
    }
    if (!peer.canReadLine()) return;
    const QByteArray message = peer.readAll();
    drop(peer);
    if (const auto page = pageOf(message); page && pageReceived) pageReceived(*page);
}

bool QtInstanceChannel::sendPage(const std::string& pageUrl) {
    const QByteArray message = QByteArray::fromStdString(pageUrl) + '\n';
    if (socketFile_.empty() || !pageOf(message)) return false;
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketFile_.string()), QIODevice::WriteOnly);
    if (!socket.waitForConnected(kPeerTimeoutMs)) return false;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kPeerTimeoutMs)) return false;
    }
    socket.disconnectFromServer();
    return true;
}

}  // namespace fluvane::platform::qt
