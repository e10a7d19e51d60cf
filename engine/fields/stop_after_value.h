// A value that ends with a full stop ("Corp.", «и др.», «г.») ends the
// template's sentence too when the template's own stop follows it: one stop
// is printed, not two. Before a comma or any other character the value's
// stop stays ("Corp.,", «г.,»).
//
// Follows the output of a script across its statements, beside the markup
// position; closing tags between the two stops («{Ж:}{Имя}{:Ж}.») change
// nothing.
#pragma once

#include <string>
#include <string_view>

namespace engine {

class stop_after_value {
public:
    // A value was printed in text: `html` is what was printed.
    void after_value(std::wstring_view html);
    // Something printed where no stop of a value may count (a value inside a
    // tag).
    void clear() { value_stop_ = false; }
    // The template's own text follows: its leading stop is dropped from
    // `html` when a value's stop ends the output.
    void before_template(std::wstring& html);

private:
    bool value_stop_ = false;
};

}  // namespace engine
