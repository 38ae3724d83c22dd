#pragma once

#include "contract_fixture.h"

#include "fluvane_resources.h"

#include <filesystem>
#include <fstream>

namespace fluvane::platform::contract {

// A surface on a form that counts its paints, and a folder of the test's own
// for image files. Besides the common ones, a driver offers:
//   childOf(control, container)   the control is a child of that container
//   inFront(control, sibling)     the control stacks in front of its sibling
template <class Driver>
class CanvasContract : public PlatformContract<Driver> {
protected:
    CanvasContract() : surface(this->form->addSurface()) {
        surface.setGeometry(Rect::fromSize(10, 10, 120, 80));
        surface.events.paint = [this] { ++paints; };
    }

    void show() { this->driver.show(*this->form, Rect::fromSize(0, 0, 300, 200)); }
    // Lets the events pending run; paints are among them.
    void settle() { this->driver.advance(50); }

    // An uncompressed 24-bit bitmap stored top-down, as skins write them.
    std::filesystem::path writeBitmap(const std::string& name, int width, int height) {
        const int row = (width * 3 + 3) / 4 * 4;
        std::string bytes(54 + static_cast<std::size_t>(row * height), '\0');
        const auto put = [&](std::size_t at, std::int32_t value, int count) {
            for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put(2, static_cast<std::int32_t>(bytes.size()), 4);
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, width, 4);
        put(22, -height, 4);
        put(26, 1, 2);
        put(28, 24, 2);
        const auto file = folder / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    Surface& surface;
    int paints = 0;
    ScratchFolder scratch{"canvas"};
    const std::filesystem::path& folder = scratch.path();
};

TYPED_TEST_SUITE_P(CanvasContract);

TYPED_TEST_P(CanvasContract, InvalidationsCoalesceIntoOnePaintOnTheNextEventRun) {
    this->show();
    this->settle();
    ASSERT_EQ(this->paints, 1) << "a new surface paints once shown";
    this->surface.invalidate();
    this->surface.invalidate();
    this->surface.invalidate();
    EXPECT_EQ(this->paints, 1) << "painting waits for the event loop";
    this->settle();
    EXPECT_EQ(this->paints, 2);
    this->settle();
    EXPECT_EQ(this->paints, 2);
}

TYPED_TEST_P(CanvasContract, HiddenSurfacesPaintWhenShown) {
    this->settle();
    EXPECT_EQ(this->paints, 0) << "the form is not shown yet";
    this->surface.setVisible(false);
    this->show();
    this->settle();
    EXPECT_EQ(this->paints, 0);
    this->surface.setVisible(true);
    this->settle();
    EXPECT_EQ(this->paints, 1);
}

TYPED_TEST_P(CanvasContract, ResizeIsImmediateOnlyForANewSizeAndIsFollowedByAPaint) {
    auto& surface = this->surface;
    this->show();
    this->settle();
    int resizes = 0;
    surface.events.resize = [&] {
        ++resizes;
        EXPECT_EQ(surface.canvas().size(), (Size{200, 80}));
    };
    surface.setGeometry(Rect::fromSize(50, 50, 120, 80));
    this->settle();
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(this->paints, 1) << "a move alone needs no repaint";
    surface.setGeometry(Rect::fromSize(50, 50, 200, 80));
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(this->paints, 1);
    this->settle();
    EXPECT_EQ(this->paints, 2);
}

TYPED_TEST_P(CanvasContract, ChildrenStackInCreationOrderUntilOneIsBroughtToTheFront) {
    auto& form = *this->form;
    Label& label = form.addLabel();
    Image& image = form.addImage();
    Surface& inner = this->surface.addSurface();
    auto& driver = this->driver;
    EXPECT_TRUE(driver.childOf(label, form));
    EXPECT_TRUE(driver.childOf(inner, this->surface));
    EXPECT_FALSE(driver.childOf(inner, form));
    EXPECT_TRUE(driver.inFront(image, label));
    EXPECT_TRUE(driver.inFront(label, this->surface));
    label.bringToFront();
    EXPECT_TRUE(driver.inFront(label, image));
    EXPECT_TRUE(driver.inFront(image, this->surface));
}

TYPED_TEST_P(CanvasContract, ResourcePicturesHaveTheCompiledBitmapsSize) {
    auto& ui = this->driver.ui();
    const resources::Bitmap bitmap = resources::FindBitmap(103);
    const auto picture = ui.resourcePicture(103);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), (Size{bitmap.width, bitmap.height}));
    EXPECT_EQ(ui.resourcePicture(9999), nullptr);
}

// Skins name their files as they like: the content decides.
TYPED_TEST_P(CanvasContract, AnImageWithoutStretchTakesThePicturesSize) {
    const auto picture = this->driver.ui().loadPicture(this->writeBitmap("button.png", 40, 12));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), (Size{40, 12}));
    Image& image = this->form->addImage();
    image.setGeometry(Rect::fromSize(5, 6, 1, 1));
    image.setPicture(picture, false);
    EXPECT_EQ(image.geometry(), Rect::fromSize(5, 6, 40, 12));
    EXPECT_EQ(image.picture(), picture);
    image.setGeometry(Rect::fromSize(5, 6, 100, 100));
    image.setPicture(picture, true);
    EXPECT_EQ(image.geometry(), Rect::fromSize(5, 6, 100, 100));
}

TYPED_TEST_P(CanvasContract, PicturesLoadOnlyFromReadableImages) {
    auto& ui = this->driver.ui();
    const auto text = this->folder / "notes.png";
    std::ofstream(text) << "not an image";
    EXPECT_EQ(ui.loadPicture(this->folder / "missing.bmp"), nullptr);
    EXPECT_EQ(ui.loadPicture(text), nullptr);
    EXPECT_EQ(ui.loadPicture(this->folder), nullptr);
    EXPECT_EQ(ui.loadIcon(text), nullptr);
    EXPECT_EQ(ui.loadIcon(this->writeBitmap("icon.ico", 4, 4)), nullptr) << "a bitmap is no icon";
}

REGISTER_TYPED_TEST_SUITE_P(CanvasContract, InvalidationsCoalesceIntoOnePaintOnTheNextEventRun,
                            HiddenSurfacesPaintWhenShown, ResizeIsImmediateOnlyForANewSizeAndIsFollowedByAPaint,
                            ChildrenStackInCreationOrderUntilOneIsBroughtToTheFront,
                            ResourcePicturesHaveTheCompiledBitmapsSize, AnImageWithoutStretchTakesThePicturesSize,
                            PicturesLoadOnlyFromReadableImages);

}  // namespace fluvane::platform::contract
