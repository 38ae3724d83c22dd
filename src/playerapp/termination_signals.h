#pragma once

namespace fluvane::playerapp {

// Makes SIGTERM, SIGINT and SIGHUP end the event loop of the running
// application, so that the browser engine shuts down in order when the client
// ends the program by name. A second signal of the same kind ends the process
// at once. Call once, after the application object exists.
void quitOnTerminationSignals();

}  // namespace fluvane::playerapp
