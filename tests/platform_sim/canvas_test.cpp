#include "sim_fixture.h"

#include <fstream>

namespace fluvane::platform::sim::testing {
namespace {

class CanvasTest : public SimTest {
protected:
    CanvasTest() : form(ui().createForm()), surface(form->addSurface()) {
        form->setGeometry(Rect::fromSize(0, 0, 300, 200));
        surface.setGeometry(Rect::fromSize(10, 10, 120, 80));
    }

    std::unique_ptr<platform::Form> form;
    platform::Surface& surface;
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
    EXPECT_EQ(
        as<SimBuffer>(*buffer).simCanvas().operations(),
        (std::vector<DrawOp>{
            draw::Fill{Rect::fromSize(0, 0, 120, 80), Color::rgb(1, 2, 3)},
            draw::Stretch{PictureOrigin::resource(102), Rect::fromSize(0, 28, 10, 28), Rect::fromSize(0, 0, 120, 28)},
            draw::Text{"第一集", Rect::fromSize(4, 0, 100, 20), true, bold, Color::rgb(255, 0, 0)},
        }));
}

// The contract suite pins stacking; the simulated tree also lists its children.
TEST_F(CanvasTest, TheTreeListsChildrenInCreationOrder) {
    auto& label = form->addLabel();
    form->addImage();
    const auto& children = as<SimForm>(*form).children();
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(&children[0]->control(), &surface);
    EXPECT_EQ(&children[1]->control(), &label);
}

// Reading a JPEG's size takes more than its first bytes: the test gives it.
TEST_F(CanvasTest, JpegPicturesHaveTheSizeTheTestGivesAndRememberTheirFile) {
    const auto jpeg = directory / "photo.jpg";
    std::ofstream(jpeg, std::ios::binary) << "\xFF\xD8\xFF\xE0";
    const auto picture = ui().loadPicture(jpeg);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), (Size{0, 0}));
    EXPECT_EQ(originOf(*picture), PictureOrigin::fromFile(jpeg));
    ui().setPictureSize(jpeg, {640, 480});
    EXPECT_EQ(ui().loadPicture(jpeg)->size(), (Size{640, 480}));
}

}  // namespace
}  // namespace fluvane::platform::sim::testing
