// The calculator dialog: a display and 23 keys that compose an expression;
// "=" replaces it by its value in the interface language's number form. The
// dialog hands back the display as it is when it closes, evaluated or not;
// a double click on the display hands it back and closes. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/button.h"
#include "platform/content_dialog.h"
#include "platform/controls.h"
#include "platform/task.h"
#include "ui/editing/calculator_keys.h"
#include "ui/editing/picker_dialog.h"

namespace ui {

class DlgCalc final {
public:
    // An empty `title` gives the default one. Without `equals`, "=" is
    // disabled: a page list such as "1,3,5-7" is no expression.
    DlgCalc(PickerOwner owner, const std::wstring& initial_value, const std::wstring& title,
            bool equals = true);
    DlgCalc(const DlgCalc&) = delete;
    DlgCalc& operator=(const DlgCalc&) = delete;

    platform::Task<platform::DialogResult> ShowAsync();
    const std::wstring& result() const { return result_; }
    bool accepted() const { return accepted_; }

private:
    std::shared_ptr<platform::Element> BuildContent();
    std::shared_ptr<platform::Button> AddKeyButton(calculator_key key);
    void OnKeyClick(calculator_key key);
    void OnDisplayDoubleTapped();

    PickerOwner owner_;
    std::wstring initial_value_;
    std::wstring title_;
    bool equals_;
    std::wstring result_;
    bool accepted_ = false;
    std::shared_ptr<platform::ContentDialog> dialog_;
    std::shared_ptr<platform::ScrollViewer> display_scroller_;
    std::shared_ptr<platform::TextBlock> display_text_;
    std::shared_ptr<platform::TextBlock> digit_counter_;
};

}  // namespace ui
