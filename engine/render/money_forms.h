// The fields a template prints through a money form anywhere in its pages or
// in a value that is a script of its own («валюта:Оклад», «т:валюта прописью:Сумма»,
// "currency:Salary", "currency in words:Fee"). Such a field counts money though it names no unit,
// as in a user's own template or an older library copy: «3 месяца» is no salary there either.
#pragma once

#include <string>
#include <vector>

namespace engine {

struct document_data;

// The word keys of those fields' names, in the order first met.
std::vector<std::wstring> money_field_keys(const document_data& data);

}  // namespace engine
