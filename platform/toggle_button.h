// Check boxes and radio buttons: a text beside a mark the user turns on and
// off. Radio buttons placed in one panel exclude each other.
//
// `checked` and `unchecked` are raised for every change of the mark, made by
// the user or by code; a radio button that another one replaced raises
// `unchecked`. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

class ToggleButton : public Element {
public:
    const std::wstring& content() const { return content_; }
    bool is_checked() const;
    void set_checked(bool checked);
    // Clicks the mark as a user would (tests, accelerators).
    void click();

    Event<ToggleButton> checked;
    Event<ToggleButton> unchecked;

protected:
    ToggleButton(NativePtr native, std::wstring content);
    void connect_events();

private:
    std::wstring content_;
};

class CheckBox final : public ToggleButton {
public:
    static std::shared_ptr<CheckBox> create(std::wstring content);

private:
    explicit CheckBox(std::wstring content);
};

class RadioButton final : public ToggleButton {
public:
    static std::shared_ptr<RadioButton> create(std::wstring content);

private:
    explicit RadioButton(std::wstring content);
};

}  // namespace platform
