#include "platform/sim/sim_ui.h"

#include "fluvane_resources.h"
#include "platform/sim/sim_form.h"

#include <array>
#include <fstream>
#include <stdexcept>

namespace fluvane::platform::sim {

namespace {

// The first bytes of a file, or nothing if it cannot be read.
std::optional<std::string> head(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(32, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The size an image file's header states; 0x0 for JPEG, nothing for other content.
std::optional<Size> imageSize(const std::string& bytes) {
    if (bytes.size() >= 26 && bytes.starts_with("BM")) {
        const auto height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        return Size{static_cast<std::int32_t>(littleEndian(bytes, 18, 4)), height < 0 ? -height : height};
    }
    if (bytes.size() >= 24 && bytes.starts_with("\x89PNG\r\n\x1a\n"))
        return Size{static_cast<int>(bigEndian(bytes, 16)), static_cast<int>(bigEndian(bytes, 20))};
    if (bytes.size() >= 10 && bytes.starts_with("GIF8"))
        return Size{static_cast<int>(littleEndian(bytes, 6, 2)), static_cast<int>(littleEndian(bytes, 8, 2))};
    if (bytes.starts_with("\xFF\xD8\xFF")) return Size{};
    return std::nullopt;
}

// The Windows 7 defaults, COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30), as 0xRRGGBB.
constexpr std::array<std::uint32_t, 31> defaultSystemColors{
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
    0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969,
    0xE3E3E3, 0x000000, 0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

}  // namespace

SimUi::~SimUi() = default;

std::unique_ptr<platform::Form> SimUi::createForm() { return std::make_unique<SimForm>(*this, ++lastHandle_); }

std::unique_ptr<platform::Timer> SimUi::createTimer() { return std::make_unique<SimTimer>(clock_); }

std::unique_ptr<platform::Timer> SimUi::createTimer(platform::Form& window) {
    auto* form = dynamic_cast<SimForm*>(&window);
    return std::make_unique<SimTimer>(clock_, form ? form->closedFlag() : nullptr);
}

std::unique_ptr<platform::Buffer> SimUi::createBuffer(Size size) {
    return std::make_unique<SimBuffer>(++lastBuffer_, size);
}

std::shared_ptr<platform::Picture> SimUi::loadPicture(const std::filesystem::path& file) {
    const auto bytes = head(file);
    if (!bytes) return nullptr;
    const auto registered = pictureSizes_.find(file);
    const auto size = registered != pictureSizes_.end() ? std::optional(registered->second) : imageSize(*bytes);
    if (!size) return nullptr;
    return std::make_shared<SimPicture>(PictureOrigin::fromFile(file), *size);
}

std::shared_ptr<platform::Picture> SimUi::loadIcon(const std::filesystem::path& file) {
    const auto bytes = head(file);
    if (!bytes || !bytes->starts_with(std::string("\0\0\1\0", 4))) return nullptr;
    const auto registered = pictureSizes_.find(file);
    return std::make_shared<SimPicture>(PictureOrigin::icon(file),
                                        registered != pictureSizes_.end() ? registered->second : Size{32, 32});
}

std::shared_ptr<platform::Picture> SimUi::resourcePicture(int id) {
    const resources::Bitmap bitmap = resources::FindBitmap(id);
    if (bitmap.width <= 0 || bitmap.height <= 0) return nullptr;
    return std::make_shared<SimPicture>(PictureOrigin::resource(id), Size{bitmap.width, bitmap.height});
}

Color SimUi::systemColor(int index) const {
    if (auto set = systemColors_.find(index); set != systemColors_.end()) return set->second;
    if (index < 0 || index >= static_cast<int>(defaultSystemColors.size())) return {};
    const std::uint32_t rgb = defaultSystemColors[static_cast<std::size_t>(index)];
    return Color::rgb(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb));
}

platform::MessageBoxResult SimUi::messageBox(const std::string& title, const std::string& text,
                                             platform::MessageBoxIcon icon, platform::MessageBoxButtons buttons) {
    using platform::MessageBoxButtons;
    using platform::MessageBoxResult;
    MessageBoxResult result = buttons == MessageBoxButtons::Ok      ? MessageBoxResult::Ok
                              : buttons == MessageBoxButtons::YesNo ? MessageBoxResult::No
                                                                    : MessageBoxResult::Cancel;
    if (!messageBoxAnswers_.empty()) {
        result = messageBoxAnswers_.front();
        messageBoxAnswers_.pop_front();
    }
    messageBoxes_.push_back({title, text, icon, buttons, result});
    return result;
}

int SimUi::popupMenu(platform::Form& owner, const std::vector<platform::MenuItem>& items, Point screen) {
    int chosen = 0;
    if (!menuChoices_.empty()) {
        const int wanted = menuChoices_.front();
        menuChoices_.pop_front();
        for (const auto& item : items)
            if (item.id == wanted && wanted != 0 && item.enabled) chosen = wanted;
    }
    menus_.push_back({owner.handle(), items, screen, chosen});
    return chosen;
}

bool SimUi::notifyIcon(platform::NotifyIconOperation operation, const platform::NotifyIconData& data) {
    using platform::NotifyIconOperation;
    const bool present = trayIcons_.contains(data.id);
    bool result = trayAvailable_ && (operation == NotifyIconOperation::Add ? !present : present);
    if (result) {
        if (operation == NotifyIconOperation::Delete)
            trayIcons_.erase(data.id);
        else
            trayIcons_[data.id] = data;
    }
    notifyIconCalls_.push_back({operation, data, result});
    return result;
}

const platform::NotifyIconData* SimUi::trayIcon(unsigned id) const {
    auto icon = trayIcons_.find(id);
    return icon == trayIcons_.end() ? nullptr : &icon->second;
}

bool SimUi::raiseTrayCallback(unsigned id, std::intptr_t mouseMessage) {
    const platform::NotifyIconData* icon = trayIcon(id);
    if (!icon || !(icon->flags & 1) || !icon->owner) return false;
    if (formByHandle(icon->owner->handle()) != icon->owner) return false;
    icon->owner->sendMessage(icon->callbackMessage, icon->id, mouseMessage);
    return true;
}

void SimUi::processEvents() {
    runPaints();
    clock_.fireOverdue();
    runPaints();
}

void SimUi::advance(std::int64_t milliseconds) {
    clock_.advance(milliseconds, [this] { runPaints(); });
}

SimForm* SimUi::formByHandle(platform::WindowHandle handle) const {
    for (SimForm* form : forms_)
        if (form->handle() == handle && !form->closed()) return form;
    return nullptr;
}

platform::Form& SimUi::form(platform::WindowHandle handle) const {
    if (SimForm* found = formByHandle(handle)) return *found;
    throw std::out_of_range("no open form with this handle");
}

const platform::Document* SimUi::documentForUrl(const std::string& url) const {
    auto document = documents_.find(url);
    return document == documents_.end() ? nullptr : &document->second;
}

void SimUi::paintTree(SimNode& node) {
    if (!node.shown()) return;
    if (node.paintPending()) {
        node.paintPending_ = false;
        raise(node.control().events.paint);
    }
    // Index loop: a paint handler may add children.
    for (std::size_t i = 0; i < node.children().size(); ++i) paintTree(*node.children()[i]);
}

void SimUi::runPaints() {
    for (std::size_t i = 0; i < forms_.size(); ++i) paintTree(*forms_[i]);
}

}  // namespace fluvane::platform::sim
