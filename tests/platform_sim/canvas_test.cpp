#include "sim_fixture.h"

#include "fluvane_resources.h"

#include <fstream>

namespace fluvane::platform::sim::testing {
namespace {

class CanvasTest : public SimTest {
protected:
    CanvasTest() : form(ui().createForm()), surface(form->addSurface()) {
        form->setGeometry(Rect::fromSize(0, 0, 300, 200));
        surface.setGeometry(Rect::fromSize(10, 10, 120, 80));
        surface.events.paint = [this] { ++paints; };
    }

    std::unique_ptr<platform::Form> form;
    platform::Surface& surface;
    int paints = 0;
};

TEST_F(CanvasTest, PaintRecordsEachOperationInOrderWithItsPictureAndState) {
    auto marks = ui().resourcePicture(102);
    ASSERT_NE(marks, nullptr);
    auto buffer = ui().createBuffer({120, 80});
    surface.events.paint = [&] {
        auto& canvas = surface.canvas();
        buffer->canvas().fill(Rect::fromSize(0, 0, 120, 80), Color::rgb(1, 2, 3));
        buffer->canvas().stretch(*marks, Rect::fromSize(0, 28, 10, 28), Rect::fromSize(0, 0, 120, 28));
        platform::Font bold;
        bold.bold = true;
        buffer->canvas().setFont(bold);
        buffer->canvas().setTextColor(Color::rgb(255, 0, 0));
        buffer->canvas().text("第一集", Rect::fromSize(4, 0, 100, 20), true);
        canvas.copy(*buffer, Rect::fromSize(0, 0, 120, 80), {0, 0});
        canvas.line({0, 79}, {120, 79}, Color::rgb(9, 9, 9));
    };
    form->show();
    ui().processEvents();

    const PictureOrigin bufferOrigin = originOf(*buffer);
    EXPECT_EQ(bufferOrigin.kind, PictureOrigin::Kind::Buffer);
    EXPECT_EQ(as<SimDrawable>(surface).operations(),
              (std::vector<DrawOp>{draw::Copy{bufferOrigin, Rect::fromSize(0, 0, 120, 80), {0, 0}},
                                   draw::Line{{0, 79}, {120, 79}, Color::rgb(9, 9, 9)}}));
    platform::Font bold;
    bold.bold = true;
    EXPECT_EQ(as<SimBuffer>(*buffer).simCanvas().operations(),
              (std::vector<DrawOp>{
                  draw::Fill{Rect::fromSize(0, 0, 120, 80), Color::rgb(1, 2, 3)},
                  draw::Stretch{PictureOrigin::resource(102), Rect::fromSize(0, 28, 10, 28), Rect::fromSize(0, 0, 120, 28)},
                  draw::Text{"第一集", Rect::fromSize(4, 0, 100, 20), true, bold, Color::rgb(255, 0, 0)},
              }));
}

TEST_F(CanvasTest, ResourcePicturesHaveTheCompiledBitmapsSize) {
    const resources::Bitmap bitmap = resources::FindBitmap(103);
    auto picture = ui().resourcePicture(103);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), (Size{bitmap.width, bitmap.height}));
    EXPECT_EQ(ui().resourcePicture(9999), nullptr);
}

TEST_F(CanvasTest, InvalidationsCoalesceIntoOnePaintOnTheNextEventRun) {
    form->show();
    ui().processEvents();
    ASSERT_EQ(paints, 1) << "a new surface paints once shown";
    surface.invalidate();
    surface.invalidate();
    surface.invalidate();
    EXPECT_EQ(paints, 1) << "painting waits for the event loop";
    ui().processEvents();
    EXPECT_EQ(paints, 2);
    ui().processEvents();
    EXPECT_EQ(paints, 2);
}

TEST_F(CanvasTest, HiddenSurfacesPaintWhenShown) {
    ui().processEvents();
    EXPECT_EQ(paints, 0) << "the form is not shown yet";
    form->show();
    surface.setVisible(false);
    sim->advance(10);
    EXPECT_EQ(paints, 0);
    surface.setVisible(true);
    sim->advance(10);
    EXPECT_EQ(paints, 1);
}

TEST_F(CanvasTest, ResizeIsImmediateOnlyForANewSizeAndIsFollowedByAPaint) {
    form->show();
    ui().processEvents();
    int resizes = 0;
    surface.events.resize = [&] {
        ++resizes;
        EXPECT_EQ(surface.canvas().size(), (Size{200, 80}));
    };
    surface.setGeometry(Rect::fromSize(50, 50, 120, 80));
    ui().processEvents();
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(paints, 1) << "a move alone needs no repaint here";
    surface.setGeometry(Rect::fromSize(50, 50, 200, 80));
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(paints, 1);
    ui().processEvents();
    EXPECT_EQ(paints, 2);
}

TEST_F(CanvasTest, TreeKeepsCreationOrderParentsAndZOrder) {
    auto& label = form->addLabel();
    auto& image = form->addImage();
    const auto& children = as<SimForm>(*form).children();
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(&children[1]->control(), &label);
    EXPECT_EQ(as<SimImage>(image).parent(), &as<SimForm>(*form));
    EXPECT_GT(as<SimImage>(image).zOrder(), as<SimLabel>(label).zOrder());
    label.bringToFront();
    EXPECT_GT(as<SimLabel>(label).zOrder(), as<SimImage>(image).zOrder());
}

TEST_F(CanvasTest, ImageWithoutStretchTakesThePicturesSize) {
    const auto file = directory / "button.bmp";
    std::string header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    header[18] = 40;   // width 40
    header[22] = -12;  // height -12: a top-down bitmap
    header[23] = header[24] = header[25] = -1;
    std::ofstream(file, std::ios::binary) << header;
    auto picture = ui().loadPicture(file);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(originOf(*picture), PictureOrigin::fromFile(file));
    auto& image = form->addImage();
    image.setGeometry(Rect::fromSize(5, 6, 1, 1));
    image.setPicture(picture, false);
    EXPECT_EQ(image.geometry(), Rect::fromSize(5, 6, 40, 12));
    image.setGeometry(Rect::fromSize(5, 6, 100, 100));
    image.setPicture(picture, true);
    EXPECT_EQ(image.geometry(), Rect::fromSize(5, 6, 100, 100));
}

TEST_F(CanvasTest, PicturesLoadOnlyFromReadableImages) {
    const auto text = directory / "notes.png";
    std::ofstream(text) << "not an image";
    const auto jpeg = directory / "photo.jpg";
    std::ofstream(jpeg, std::ios::binary) << "\xFF\xD8\xFF\xE0";
    EXPECT_EQ(ui().loadPicture(directory / "missing.bmp"), nullptr);
    EXPECT_EQ(ui().loadPicture(text), nullptr);
    EXPECT_EQ(ui().loadPicture(directory), nullptr);
    ASSERT_NE(ui().loadPicture(jpeg), nullptr);
    EXPECT_EQ(ui().loadPicture(jpeg)->size(), (Size{0, 0}));
    ui().setPictureSize(jpeg, {640, 480});
    EXPECT_EQ(ui().loadPicture(jpeg)->size(), (Size{640, 480}));
    EXPECT_EQ(ui().loadIcon(text), nullptr);
}

}  // namespace
}  // namespace fluvane::platform::sim::testing
