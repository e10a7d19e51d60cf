// Keys typed faster than the view answers: each is stored at once, in order,
// while at most one render is on its way; the newest value goes with the
// next render and the last one always reaches the view.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "editing/panel/panel_fixture.h"
#include "platform/qt/native_widget.h"

namespace {

using RenderCoalescing = panel_test::PanelTest;

// The value a render script shows after "Buyer: ".
std::wstring shown_buyer(const std::wstring& script) {
    const std::wstring label = L"Buyer: ";
    const std::size_t at = script.find(label);
    if (at == std::wstring::npos) return L"<none>";
    const std::size_t end = script.find(L'.', at);
    return script.substr(at + label.size(), end - at - label.size());
}

TEST_F(RenderCoalescing, KeysWhileTheViewIsBusyAreStoredInOrderAndTheLastValueIsRendered) {
    const auto section = add_section(L"Parties");
    add_field(section, 4, L"Buyer", L"Buyer", L"Contoso ");
    engine::doc_element& block = window->session().data()->pages.groups.at(0).elements.at(0);
    block.record.b = 1;
    block.items.at(0).b = 1;
    block.items.at(0).s2 = L"Buyer: {Buyer}.";
    show_section(section);
    auto box = inside<platform::TextBox>(1, 0);
    ASSERT_TRUE(box);
    auto* line = static_cast<QLineEdit*>(platform::widget_of(*box));

    main_view().holds_answers = true;
    const std::size_t scripts_before = main_view().scripts.size();
    std::wstring typed = L"Contoso ";
    for (int key = 0; key < 100; ++key) {
        QTest::keyClick(line, Qt::Key(Qt::Key_A + key % 26));
        typed += wchar_t(L'a' + key % 26);
        ASSERT_EQ(field(section, 0).record.s2, typed) << "key " << key;
        ASSERT_TRUE(window->render_in_flight());
        ASSERT_EQ(main_view().waiting(), 1u) << "key " << key;
        // The view answers now and then, more slowly than the keys come.
        if (key % 7 == 6) {
            main_view().answer_next();
            pump();
        }
    }
    while (main_view().waiting() > 0) {
        main_view().answer_next();
        pump();
    }
    EXPECT_FALSE(window->render_in_flight());

    // Each render showed more of what was typed than the one before, and
    // the last one all of it.
    std::vector<std::wstring> shown;
    for (std::size_t i = scripts_before; i < main_view().scripts.size(); ++i)
        shown.push_back(shown_buyer(main_view().scripts[i]));
    ASSERT_FALSE(shown.empty());
    EXPECT_LE(shown.size(), 100u / 7 + 2);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(typed.starts_with(shown[i])) << shown[i];
        if (i > 0) {
            EXPECT_GT(shown[i].size(), shown[i - 1].size());
        }
    }
    EXPECT_EQ(shown.back(), typed);
    EXPECT_NE(window->pending_html().find(L"Buyer: " + typed + L"."), std::wstring::npos);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
