#include "engine/declension/legal_forms.h"

#include <array>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

// clang-format off
// Compared in this order: a form comes before any shorter one it begins
// with (АОЗТ before АО, ГБУЗ before ГБУ).
constexpr std::array<legal_form_row, 56> legal_forms = {{
    {L"ООО",  L"Общество с ограниченной ответственностью", 3},
    {L"ОАО",  L"Открытое акционерное общество", 3},
    {L"АБ",   L"Акционерный банк", 1},
    {L"АКБ",  L"Акционерный коммерческий банк", 1},
    {L"АНО",  L"Автономная некоммерческая организация", 2},
    {L"АОЗТ", L"Акционерное общество закрытого типа", 3},
    {L"АООТ", L"Акционерное общество открытого типа", 3},
    {L"АО",   L"Акционерное общество", 3},
    {L"АП",   L"Арендное предприятие", 3},
    {L"АТП",  L"Автотранспортное предприятие", 3},
    {L"АФ",   L"Агрофирма", 2},
    {L"ГБОУ", L"Государственное бюджетное общеобразовательное учреждение", 3},
    {L"ГБУЗ", L"Государственное бюджетное учреждение здравоохранения", 3},
    {L"ГБУ",  L"Государственное бюджетное учреждение", 3},
    {L"ГСК",  L"Гаражно-строительный кооператив", 1},
    {L"ГУП",  L"Государственное унитарное предприятие", 3},
    {L"ГУ",   L"Государственное учреждение", 3},
    {L"ЖСК",  L"Жилищно-строительный кооператив", 1},
    {L"ЗАО",  L"Закрытое акционерное общество", 3},
    {L"ИП",   L"Индивидуальный предприниматель", 1},
    {L"КФХ",  L"Крестьянское (фермерское) хозяйство", 3},
    {L"КХ",   L"Крестьянское хозяйство", 3},
    {L"МАОУ", L"Муниципальное автономное общеобразовательное учреждение", 3},
    {L"МБОУ", L"Муниципальное бюджетное общеобразовательное учреждение", 3},
    {L"МБУ",  L"Муниципальное бюджетное учреждение", 3},
    {L"МКУ",  L"Муниципальное казенное учреждение", 3},
    {L"МУП",  L"Муниципальное унитарное предприятие", 3},
    {L"МУ",   L"Муниципальное учреждение", 3},
    {L"НИИ",  L"Научно-исследовательский институт", 1},
    {L"НИЦ",  L"Научно-исследовательский центр", 1},
    {L"НКО",  L"Некоммерческая организация", 2},
    {L"НПО",  L"Научно-производственное объединение", 3},
    {L"НП",   L"Некоммерческое партнерство", 3},
    {L"ПКО",  L"Производственно-коммерческое объединение", 3},
    {L"ПК",   L"Производственный кооператив", 1},
    {L"ПАО",  L"Публичное акционерное общество", 3},
    {L"ПО",   L"Производственное объединение", 3},
    {L"РСУ",  L"Ремонтно-строительное управление", 3},
    {L"РЭУ",  L"Ремонтно-эксплуатационное управление", 3},
    {L"СМУ",  L"Строительно-монтажное управление", 3},
    {L"СНТ",  L"Садоводческое некоммерческое товарищество", 3},
    {L"СП",   L"Совместное предприятие", 3},
    {L"СУ",   L"Строительное управление", 3},
    {L"СХПП", L"Сельскохозяйственное производственное предприятие", 3},
    {L"ТОО",  L"Товарищество с ограниченной ответственностью", 3},
    {L"ТСЖ",  L"Товарищество собственников жилья", 3},
    {L"ТСН",  L"Товарищество собственников недвижимости", 3},
    {L"УМР",  L"Управление муниципальных ресурсов", 3},
    {L"ФАКБ", L"Филиал акционерного коммерческого банка", 1},
    {L"ФГБУ", L"Федеральное государственное бюджетное учреждение", 3},
    {L"ФГУП", L"Федеральное государственное унитарное предприятие", 3},
    {L"ФУП",  L"Федеральное унитарное предприятие", 3},
    {L"ФКБ",  L"Филиал коммерческого банка", 1},
    {L"ФКП",  L"Федеральное казенное предприятие", 3},
    {L"ЧП",   L"Частное предприятие", 3},
    {L"ЧУП",  L"Частное унитарное предприятие", 3},
}};
// clang-format on

wchar_t folded(wchar_t c) {
    c = to_lower_char(c);
    return c == L'ё' ? L'е' : c;
}

// Whether `text` begins with `form`, letter case and ё aside.
bool opens_with(std::wstring_view text, std::wstring_view form) {
    if (text.size() < form.size()) return false;
    for (std::size_t i = 0; i < form.size(); ++i)
        if (folded(text[i]) != folded(form[i])) return false;
    return true;
}

}  // namespace

std::span<const legal_form_row> legal_form_rows() { return legal_forms; }

const legal_form_row* find_legal_form(std::wstring_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    for (const legal_form_row& row : legal_forms)
        if (text.size() == row.abbreviation.size() && opens_with(text, row.abbreviation))
            return &row;
    for (const legal_form_row& row : legal_forms)
        if (text.size() == row.full_name.size() && opens_with(text, row.full_name)) return &row;
    return nullptr;
}

std::size_t full_legal_form_length(std::wstring_view text) {
    for (const legal_form_row& row : legal_forms) {
        const std::size_t n = row.full_name.size();
        if (text.size() <= n || !opens_with(text, row.full_name)) continue;
        const wchar_t after = text[n];
        if (after == L' ' || after == L'"' || after == L'«') return n;
    }
    return 0;
}

}  // namespace engine
