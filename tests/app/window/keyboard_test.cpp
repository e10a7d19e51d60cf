// Keys on real widgets: the window shown and active.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "platform/qt/native_widget.h"
#include "platform/text_box.h"
#include "window/window_fixture.h"

namespace {

class RealKeys : public app_test::WindowTest {
protected:
    std::unique_ptr<app::MainWindow> shown_window() {
        auto window = make_window();
        window->activate();
        QWidget* top = platform::widget_of(*window->elements().window);
        QApplication::setActiveWindow(top);
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
        return window;
    }
};

TEST_F(RealKeys, CtrlLActsWhereverTheFocusIsAndCtrlShiftLDoesNot) {
    auto window = shown_window();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    // A field to type in.
    engine::doc_node& parameters = window->session().data()->parameters;
    auto& section = parameters.groups.emplace_back();
    section.record.s1 = L"Parties";
    auto& field = section.elements.emplace_back();
    field.record.a = 4;
    field.record.s1 = L"Seller";
    section.element_count = 1;
    parameters.group_count = 1;
    window->left_menu().RefreshMenuPanel();

    std::shared_ptr<platform::TextBox> box;
    platform::Panel& panel = window->data_panel().panel();
    for (std::size_t i = 0; i < panel.children().size() && !box; ++i) {
        if (auto row = std::dynamic_pointer_cast<platform::Panel>(panel.children().at(i))) {
            for (std::size_t j = 0; j < row->children().size() && !box; ++j) {
                box = std::dynamic_pointer_cast<platform::TextBox>(row->children().at(j));
            }
        }
    }
    ASSERT_TRUE(box);

    const std::vector<std::shared_ptr<platform::Element>> places{box, window->left_menu().list(),
                                                                 window->elements().focus_panel};
    bool library = window->session().library_shown();
    for (const auto& place : places) {
        ASSERT_TRUE(place->focus());
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window->session().library_shown(), library);
        QTest::keyClick(focused, Qt::Key_L, Qt::ControlModifier);
        EXPECT_NE(window->session().library_shown(), library) << place.get();
        library = window->session().library_shown();
        if (place == box) {
            // The library replaced the panel: back to the document for the next place.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
            library = window->session().library_shown();
        }
    }
}

}  // namespace
