// A full repaint of the playlist panel (250 × 581) with real pixels on the Qt
// platform, off screen, against the number of entries: the list draws into
// its buffer, the buffer into the panel, the panel into the window.
#include "controls/sf_play_list.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_web_context.h"
#include "play_list_filling.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace fluvane::bench {
namespace {

// Windows open no links here.
class NoShell final : public platform::Shell {
public:
    bool openLink(const std::string&) override { return false; }
    bool openInBrowser(const std::string&) override { return false; }
    std::filesystem::path desktopFolder() const override { return {}; }
    bool createShortcut(const platform::Shortcut&) override { return false; }
    bool setAutostart(const std::string&, const std::filesystem::path&, bool) override { return false; }
};

platform::qt::QtUi& qtUi() {
    static NoShell shell;
    static platform::qt::QtUi ui({}, {}, shell);
    return ui;
}

class PlayListPanel {
public:
    explicit PlayListPanel(int entries) {
        form->setGeometry(platform::Rect::fromSize(0, 0, 250, 581));
        panel.setGeometry(platform::Rect::fromSize(0, 0, 250, 581));
        fillPlayList(list, panel, entries);
        form->show();
        QApplication::processEvents();
        if (!widget().isVisible()) throw std::runtime_error("the panel is not on the screen");
    }

    // Paints at once, as the window system would on its next expose.
    void repaint() {
        panel.invalidate();
        widget().repaint();
    }

private:
    QWidget& widget() { return *static_cast<platform::qt::QtSurface&>(panel).widget(); }

    std::unique_ptr<platform::Form> form = qtUi().createForm();
    platform::Surface& panel = form->addSurface();
    controls::SFPlayList list{panel, qtUi(), platform::Font{}};
};

void BM_QtFullRepaint(benchmark::State& state) {
    PlayListPanel panel(static_cast<int>(state.range(0)));
    for (auto _ : state) panel.repaint();
}
BENCHMARK(BM_QtFullRepaint)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fluvane::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fluvane::platform::qt::QtWebContext::registerSchemes({});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
