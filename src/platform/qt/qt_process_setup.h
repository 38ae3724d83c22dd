#pragma once

class QCoreApplication;

namespace fluvane::platform::qt {

// What a desktop program of the client's (the client, the player program)
// settles about its process: the first two before its application object
// exists, the last once it does.

// The browser engine reads its switches when it starts: without
// `sandboxPossible` (as the superuser) it runs unsandboxed; it is not to
// contact anything but the pages it is asked for; it draws without the
// graphics card, and so does Qt when it shows the engine's frames, loading no
// OpenGL driver at all; and the pages of one site share one renderer process.
// Switches the user gave in QTWEBENGINE_CHROMIUM_FLAGS or
// QT_XCB_GL_INTEGRATION stay.
void prepareBrowserEngine(bool sandboxPossible);

// On a Wayland session the compositor places windows itself and tells no
// client where they are, which the snapping, gluing and dragging of the
// client's borderless windows need: such a session runs it through XWayland,
// or natively where XWayland is missing. A platform the user chose stays.
void preferX11OnWayland();

// Qt's own texts (the buttons of message boxes, menus, the browser engine's
// context menu) in the language of the system locale, from Qt's translations;
// in English where Qt has none for it. The environment that only the
// application object was to read is put back as it was, for the programs
// this one starts.
void completeDesktopSetup(QCoreApplication& application);

// Ends the event loop, every nested one included, with exitCode, so that the
// program returns from its loop and shuts down in order; asked before the
// loop runs (during start-up), as soon as it runs.
void endEventLoop(int exitCode);

}  // namespace fluvane::platform::qt
