// A template of the built library, edited through its data panel.
#include <gtest/gtest.h>

#include <filesystem>

#include "editing/panel/panel_fixture.h"

namespace {

using platform::Visibility;

class LibraryTemplate : public panel_test::PanelTest {
protected:
    LibraryTemplate() {
        std::filesystem::copy_file(PAPERWRIGHT_BUILT_SHARE
                                   "/briks/01/Agreements/Sales Agreement.brik",
                                   data_file(L"briks/Agreements/Sales Agreement.brik"),
                                   std::filesystem::copy_options::overwrite_existing);
        main_view().web_message_received.raise(main_view(), L"Agreements/Sales|Agreement");
    }
};

TEST_F(LibraryTemplate, TheDeliveryAddressGoesAwayWhileTheBuyerCollects) {
    const auto& entries = window->left_menu().list()->entries();
    const auto terms = std::int32_t(
        std::find_if(entries.begin(), entries.end(), [](auto& e) { return e.text == L"Terms"; }) -
        entries.begin());
    ASSERT_LT(std::size_t(terms), entries.size());
    window->left_menu().list()->set_selected_index(terms);
    // Note; Delivery caption and row; address caption and row; Payment ...
    auto buyer_collects = inside<platform::RadioButton>(2, 1);
    ASSERT_TRUE(buyer_collects);
    EXPECT_EQ(buyer_collects->content(), L"Buyer collects");
    EXPECT_EQ(row(4)->visibility(), Visibility::visible);

    const std::size_t before = renders();
    buyer_collects->click();
    EXPECT_EQ(row(3)->visibility(), Visibility::collapsed);
    EXPECT_EQ(row(4)->visibility(), Visibility::collapsed);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(window->pending_html().find(L"12 Dock Street"), std::wstring::npos);

    inside<platform::CheckBox>(6, 0)->click();
    EXPECT_EQ(field(terms, 3).record.s2, L"on delivery");
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
