// Editing fields in the data panel: what is stored, which rows show, and
// the render each edit asks for.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "editing/panel/panel_fixture.h"
#include "platform/qt/native_widget.h"

namespace {

using namespace platform;

class FieldEditing : public panel_test::PanelTest {
protected:
    // Delivery (text), Address (text, hidden while Delivery is "collect"), Payment (choice).
    void make_delivery_section() {
        const auto s = add_section(L"Delivery");
        add_field(s, 4, L"Delivery", L"Delivery", L"post");
        add_field(s, 4, L"Address", L"Address").record.s5 = L"Delivery = \"collect\"";
        auto& payment = add_field(s, 7, L"Payment", L"Payment by {Delivery}", L"in parts");
        add_option(payment, L"by {Delivery} in full");
        add_option(payment, L"in parts", true);
        show_section(s);
    }
};

TEST_F(FieldEditing, TypingStoresTheTextAsTypedAndShowsOrHidesDependentRowsInPlace) {
    make_delivery_section();
    auto box = inside<TextBox>(1, 0);
    ASSERT_TRUE(box);
    const auto address_caption = row(2), address_row = row(3);
    const std::size_t before = renders();

    // Stored as typed; the condition compares it without the blanks.
    box->set_text(L"  collect  ");
    EXPECT_EQ(field(0, 0).record.s2, L"  collect  ");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_FALSE(last_render_reset_scroll());
    EXPECT_EQ(field(0, 1).record.c, 1);
    EXPECT_EQ(row(3), address_row);
    EXPECT_EQ(address_caption->visibility(), Visibility::collapsed);
    EXPECT_EQ(address_row->visibility(), Visibility::collapsed);

    // Real keystrokes: one store and one render each.
    QTest::keyClick(static_cast<QLineEdit*>(widget_of(*box)), Qt::Key_S);
    EXPECT_EQ(field(0, 0).record.s2, L"  collect  s");
    EXPECT_EQ(field(0, 1).record.c, 0);
    EXPECT_EQ(address_row->visibility(), Visibility::visible);
    EXPECT_EQ(renders(), before + 2);
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(FieldEditing, ARadioChoiceStoresTheStoredOptionTextAndTheFlags) {
    make_delivery_section();
    auto in_full = inside<RadioButton>(5, 0), in_parts = inside<RadioButton>(5, 1);
    ASSERT_TRUE(in_full && in_parts);
    EXPECT_EQ(in_full->content(), L"by Post in full");  // rendered, letter case of the reference
    const std::size_t before = renders();

    in_full->click();
    EXPECT_FALSE(in_parts->is_checked());
    EXPECT_EQ(field(0, 2).record.s2, L"by {Delivery} in full");
    EXPECT_EQ(field(0, 2).items[0].b, 1);
    EXPECT_EQ(field(0, 2).items[1].b, 0);
    // One render for the choice; the replaced button's unchecking stores nothing.
    EXPECT_EQ(renders(), before + 1);
}

TEST_F(FieldEditing, AMouseClickOnAUtilityBoxRebuildsThePanelAfterItsHandler) {
    const auto s = add_section(L"Rent");
    auto& tenant = add_field(s, 6, L"utility_tenant", L"Tenant pays");
    add_option(tenant, L"water");
    add_option(tenant, L"gas");
    add_option(add_field(s, 6, L"Utility_tenant", L"Letter case differs"), L"power");
    show_section(s);
    window->activate();
    pump();

    const std::weak_ptr<Element> old_row = row(1);
    auto* widget = static_cast<QCheckBox*>(widget_of(*inside<CheckBox>(1, 1)));
    const std::size_t before = renders();
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(12, widget->height() / 2));
    pump();

    EXPECT_TRUE(failures.messages.empty());
    EXPECT_EQ(field(s, 0).record.s2, L"gas");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_TRUE(old_row.expired());  // rebuilt, and the old rows are gone
    ASSERT_EQ(panel().children().size(), 4u);
    EXPECT_TRUE(inside<CheckBox>(1, 1)->is_checked());

    // A name differing only in letter case keeps its rows.
    const auto other_row = row(3);
    inside<CheckBox>(3, 0)->click();
    pump();
    EXPECT_EQ(row(3), other_row);
}

TEST_F(FieldEditing, RecordsPast255AreEditedThemselves) {
    for (int i = 0; i < 300; ++i) add_section(L"Section " + std::to_wstring(i));
    // Packed in bytes, these indexes would be section 1, field 2, option 3.
    const std::int32_t s = 257;
    for (int f = 0; f < 258; ++f) add_field(s, 8, L"Unused " + std::to_wstring(f));
    auto& choice = add_field(s, 7, L"Choice", L"");
    for (int o = 0; o < 300; ++o) add_option(choice, L"Option " + std::to_wstring(o));
    add_field(s, 4, L"Text", L"");
    for (int f = 0; f < 2; ++f) add_field(1, 4, L"Decoy", L"", L"unchanged");
    auto& decoy = add_field(1, 7, L"Decoy", L"", L"unchanged");
    for (int o = 0; o < 4; ++o) add_option(decoy, L"Decoy " + std::to_wstring(o));
    show_section(s);

    ASSERT_EQ(panel().children().size(), 2u);
    inside<RadioButton>(0, 259)->click();
    EXPECT_EQ(field(s, 258).record.s2, L"Option 259");
    EXPECT_EQ(field(s, 258).items[259].b, 1);
    inside<TextBox>(1, 0)->set_text(L"typed");
    EXPECT_EQ(field(s, 259).record.s2, L"typed");
    EXPECT_EQ(field(1, 2).record.s2, L"unchanged");
    EXPECT_EQ(field(1, 2).items[3].b, 0);
    EXPECT_TRUE(failures.messages.empty());
}

// A number field whose text the document prints as a gap says so on the line
// below its row, in the interface language; what was typed stays as it is.
TEST_F(FieldEditing, ANumberFieldWhoseTextIsNoNumberIsNotedBelowItsRowWhileItIsNone) {
    const auto s = add_section(L"Terms");
    engine::doc_record& days_field = add_field(s, 3, L"Days", L"Days", L"10-15").record;
    days_field.s4 = L"day";
    days_field.s5 = L"Remark = \"hide\"";
    add_field(s, 4, L"Remark", L"Remark", L"10-15");  // a text field says nothing
    auto note = [&] { return std::dynamic_pointer_cast<TextBlock>(row(2)); };
    for (const std::wstring said : {L"Not read as a number: the document shows a gap here",
                                    L"Не прочитано как число: в документе здесь пропуск"}) {
        show_section(s);
        ASSERT_EQ(panel().children().size(), 5u);
        ASSERT_TRUE(note());
        EXPECT_EQ(note()->text(), said);  // at once when the panel is built

        auto days = inside<TextBox>(1, 0);
        // A word for "none" prints no gap: the document leaves its clause out.
        for (const auto& [typed, noted] : {std::pair{L"15", false},
                                           {L"approx. 40", true},
                                           {L"approx. 41", true},
                                           {L"  ", false},
                                           {L"-", false},
                                           {L" Нет ", false},
                                           {L"не предусмотрено", false},
                                           {L"N/A", false},
                                           {L"None", false},
                                           {L"\u2014", false},
                                           {L"нет оснований", false},
                                           {L"по соглашению сторон", true},
                                           {L"10-15", true}}) {
            days->set_text(typed);
            window->data_panel().number_notes().timer().tick_now();
            EXPECT_EQ(field(s, 0).record.s2, typed);
            EXPECT_EQ(panel().children().size(), 5u) << typed;
            EXPECT_EQ(note()->text(), noted ? said : L"") << typed;
        }
        // Hidden with its field, and shown again with it.
        inside<TextBox>(4, 0)->set_text(L"hide");
        EXPECT_EQ(note()->visibility(), Visibility::collapsed);
        inside<TextBox>(4, 0)->set_text(L"show");
        EXPECT_EQ(note()->visibility(), Visibility::visible);
        window->session().switch_language();
    }
    EXPECT_TRUE(failures.messages.empty());
}

// A note that comes while the user types waits for a pause in the box, or
// for the box to lose the focus: «150 0» on the way to «150 000» shows none.
// It goes at once, and the rows below stay where they are.
TEST_F(FieldEditing, ANumberNoteWaitsForAPauseOrLeavingTheFieldAndMovesNoRow) {
    const auto s = add_section(L"Price");
    add_field(s, 3, L"Amount", L"Amount");
    add_field(s, 4, L"Buyer", L"Buyer");
    Timer& pause = window->data_panel().number_notes().timer();
    window->activate();
    for (const std::wstring said : {L"Not read as a number: the document shows a gap here",
                                    L"Не прочитано как число: в документе здесь пропуск"}) {
        show_section(s);
        auto note = std::dynamic_pointer_cast<TextBlock>(row(2));
        ASSERT_TRUE(note);
        auto amount = inside<TextBox>(1, 0);
        auto* keys = static_cast<QLineEdit*>(widget_of(*amount));
        QWidget* below = widget_of(*row(3));
        auto below_y = [&] {
            pump();
            return below->mapTo(below->window(), QPoint()).y();
        };
        amount->focus();
        const int y = below_y();

        QTest::keyClicks(keys, QStringLiteral("150 0"));
        EXPECT_EQ(field(s, 0).record.s2, L"150 0");
        EXPECT_EQ(note->text(), L"");
        EXPECT_TRUE(pause.is_running());
        pause.tick_now();
        EXPECT_EQ(note->text(), said);
        EXPECT_EQ(below_y(), y);
        QTest::keyClick(keys, Qt::Key_0);  // «150 00»: still none, and still said
        EXPECT_EQ(note->text(), said);
        QTest::keyClick(keys, Qt::Key_0);  // «150 000»
        EXPECT_EQ(note->text(), L"");
        EXPECT_FALSE(pause.is_running());
        EXPECT_EQ(below_y(), y);

        QTest::keyClick(keys, Qt::Key_Backspace);
        EXPECT_EQ(note->text(), L"");
        ASSERT_TRUE(inside<TextBox>(4, 0)->focus());
        pump();
        EXPECT_EQ(note->text(), said);
        EXPECT_FALSE(pause.is_running());
        EXPECT_EQ(below_y(), y);
        amount->set_text(L"");
        window->session().switch_language();
    }
    EXPECT_TRUE(failures.messages.empty());
}

// On the real timer the note waits for about a second's pause: none at half
// a second, there within two.
TEST_F(FieldEditing, ANumberNoteShowsAfterAboutASecondsPause) {
    const auto s = add_section(L"Price");
    add_field(s, 3, L"Amount", L"Amount");
    show_section(s);
    auto note = std::dynamic_pointer_cast<TextBlock>(row(2));
    ASSERT_TRUE(note);
    inside<TextBox>(1, 0)->set_text(L"10-15");
    auto noted = [&] { return !note->text().empty(); };
    EXPECT_FALSE(QTest::qWaitFor(noted, 500));
    EXPECT_TRUE(QTest::qWaitFor(noted, 1500));
}

// The note rests on the document's currency too: choosing another shows or
// drops every amount's note at once, with no pause to wait for.
TEST_F(FieldEditing, ChoosingTheCurrencyWorksOutTheAmountsNotesAtOnce) {
    const auto s = add_section(L"Pay");
    add_field(s, 3, L"Salary", L"Salary", L"EUR 2,000");
    add_field(s, 3, L"Bonus", L"Bonus");
    auto& currency = add_field(s, 7, L"Currency", L"Currency", L"US Dollars");
    add_option(currency, L"US Dollars", true);
    add_option(currency, L"Euro");
    show_section(s);
    const std::wstring said = L"This amount is in US dollars: the document shows a gap here";
    auto note = [&](std::size_t row_index) {
        return std::dynamic_pointer_cast<TextBlock>(row(row_index))->text();
    };
    EXPECT_EQ(note(2), said);
    inside<TextBox>(4, 0)->set_text(L"EUR 50");  // its note waits for a pause
    EXPECT_EQ(note(5), L"");
    inside<RadioButton>(7, 1)->click();
    EXPECT_EQ(note(2), L"");
    EXPECT_EQ(note(5), L"");
    EXPECT_FALSE(window->data_panel().number_notes().timer().is_running());
    inside<RadioButton>(7, 0)->click();
    EXPECT_EQ(note(2), said);
    EXPECT_EQ(note(5), said);
    EXPECT_TRUE(failures.messages.empty());
}

// And so does the document, in the same render: the Invoice's amounts and
// total in the currency chosen, and a gap in it for an amount typed in
// another.
TEST_F(FieldEditing, ChoosingTheCurrencyReprintsTheAmountsAtOnce) {
    std::filesystem::create_directories(data_file(L"briks/Forms"));
    std::filesystem::copy_file(PAPERWRIGHT_BUILT_SHARE "/briks/01/Forms/Invoice.brik",
                               data_file(L"briks/Forms/Invoice.brik"),
                               std::filesystem::copy_options::overwrite_existing);
    main_view().web_message_received.raise(main_view(), L"Forms/Invoice");
    field(1, 3).record.s2 = L"€120";  // Travel
    show_section(0);
    auto choice = [&](const wchar_t* currency) {
        for (std::size_t r = 0; r < panel().children().size(); ++r)
            if (auto options = std::dynamic_pointer_cast<Panel>(row(r)))
                for (std::size_t i = 0; i < options->children().size(); ++i)
                    if (auto button = child<RadioButton>(options, i);
                        button && button->content() == currency)
                        return button;
        return std::shared_ptr<RadioButton>();
    };
    auto prints = [&](const std::wstring& text) {
        return window->pending_html().find(text) != std::wstring::npos;
    };
    ASSERT_TRUE(choice(L"US Dollars") && choice(L"Euro"));
    choice(L"US Dollars")->click();
    EXPECT_TRUE(prints(L"$85.00") && prints(L"$______"));
    EXPECT_FALSE(prints(L"€") || prints(L"$2,840.00"));
    choice(L"Euro")->click();
    EXPECT_TRUE(prints(L"€120.00") && prints(L"€2,840.00"));
    EXPECT_FALSE(prints(L"$"));
    EXPECT_TRUE(failures.messages.empty());
}

// The note says why the document shows a gap: another unit than the field
// counts, another currency than the document prints, a negative term; read
// in the interface language, as the document is, whatever the text's letters.
TEST_F(FieldEditing, TheNoteOnANumberSaysWhyTheDocumentShowsAGapThere) {
    const auto s = add_section(L"Terms");
    add_field(s, 3, L"Value", L"Value", L"");
    show_section(s);
    auto value = inside<TextBox>(1, 0);
    auto note = [&]() -> std::wstring {
        window->data_panel().number_notes().timer().tick_now();
        return std::dynamic_pointer_cast<TextBlock>(row(2))->text();
    };
    const std::wstring gap_en = L": the document shows a gap here";
    const std::wstring gap_ru = L": в документе здесь пропуск";
    struct typed_row {
        const wchar_t* unit;
        const wchar_t* text;
        std::wstring english;
        std::wstring russian;
    };
    // clang-format off
    const typed_row rows[] = {
        {L"calendar day", L"2 weeks", L"This term counts calendar days" + gap_en, L"Срок считается в календарных днях" + gap_ru},
        {L"calendar day", L"2 недели", L"This term counts calendar days" + gap_en, L"Срок считается в календарных днях" + gap_ru},
        {L"month", L"14 дней", L"This term counts months" + gap_en, L"Срок считается в месяцах" + gap_ru},
        {L"per cent", L"-10", L"A negative number" + gap_en, L"Отрицательное число" + gap_ru},
        {L"", L"RUB 45", L"This amount is in US dollars" + gap_en, L""},
        {L"", L"$45", L"", L"Сумма указывается в рублях" + gap_ru},
        {L"", L"10-15", L"Not read as a number" + gap_en, L"Не прочитано как число" + gap_ru},
        {L"", L"three months", L"Not read as a number" + gap_en, L"Не прочитано как число" + gap_ru},
        // No gap in the document: a word that says there is none.
        {L"month", L"нет", L"", L""}, {L"", L"N/A", L"", L""},
        {L"fortnight", L"2 weeks", L"", L""},
        {L"calendar day", L"28 календарных дней", L"", L""},
        {L"banking day", L"10 days", L"", L""},
        {L"day of the month", L"35", L"A day of the month is a number from 1 to 31" + gap_en, L"Число месяца указывается от 1 до 31" + gap_ru},
        {L"day of the month", L"0-го", L"A day of the month is a number from 1 to 31" + gap_en, L"Число месяца указывается от 1 до 31" + gap_ru},
        {L"", L"", L"", L""},
    };
    // clang-format on
    for (int language : {0, 1}) {
        for (const typed_row& r : rows) {
            field(s, 0).record.s4 = r.unit;
            value->set_text(L"");
            value->set_text(r.text);
            EXPECT_EQ(note(), language == 0 ? r.english : r.russian) << r.text << " " << language;
        }
        value->set_text(L"");
        window->session().switch_language();
        show_section(s);
        value = inside<TextBox>(1, 0);
    }
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(FieldEditing, AnUntaggedChildDoesNotStopTheRenderAndTagsOfRemovedRecordsStoreNothing) {
    make_delivery_section();
    auto status = TextBlock::create(L"Saved.");
    panel().children().append(status);
    auto box = inside<TextBox>(1, 0);
    auto radio = inside<RadioButton>(5, 0);
    std::size_t before = renders();
    box->set_text(L"collect");
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(row(3)->visibility(), Visibility::collapsed);
    EXPECT_EQ(status->visibility(), Visibility::visible);

    before = renders();
    parameters().groups[0].element_count = 0;
    box->set_text(L"post");
    radio->click();
    EXPECT_EQ(renders(), before);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
