#include "client/client.h"

namespace fluvane::client {

Client::Client(platform::Platform& platform) : forms_(platform), loadme_(platform, forms_) {}

void Client::start() { loadme_.Form_Load(); }

}  // namespace fluvane::client
