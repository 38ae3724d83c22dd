#pragma once

#include <httplib.h>

#include <atomic>
#include <string>

namespace portal {

class ConnectionStream;

// The HTTP server with the limits a public-facing server needs: a cap on
// open connections, a deadline and a byte budget for every request, write
// and keep-alive time-outs. The library's own connection loop has none of the
// first three (its time-outs restart with every byte received, and it reads
// any announced body in full), so this class runs its own loop over a
// ConnectionStream.
class GuardedServer : public httplib::Server {
public:
    GuardedServer();

    // Binds to `host`:`port` (0: a free port) and starts listening; returns
    // the port, or -1 when the address cannot be used.
    int bind_listener(const std::string& host, int port);

private:
    bool process_and_close_socket(socket_t sock) override;
    void serve(ConnectionStream& stream);

    std::atomic<int> open_connections_{0};
};

}  // namespace portal
