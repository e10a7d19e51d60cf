// The base of everything placed in a window.
//
// Elements are made by `T::create()` and held by shared_ptr; each owns its
// native widget, which lives exactly as long as the element. A panel holds
// its children; removing a child detaches its widget and keeps the element
// alive for whoever still holds it. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/event.h"
#include "platform/style.h"
#include "platform/value.h"

namespace platform {

class Element;
class Panel;

// What happens to an element under the pointer and in the layout. Positions
// are relative to the element.
struct ElementEvents {
    Event<Element, Point> pointer_entered;
    Event<Element, Point> pointer_moved;
    Event<Element, Point> pointer_exited;
    // The left button pressed and released over the element.
    Event<Element, Point> tapped;
    // The laid-out size, after it changed and its children were laid out
    // (on a later turn of the event loop).
    Event<Element, Size> size_changed;
};

struct NativeWidget;  // defined by the implementation
struct NativeWidgetDeleter {
    void operator()(NativeWidget* native) const;
};
using NativePtr = std::unique_ptr<NativeWidget, NativeWidgetDeleter>;

class Element : public std::enable_shared_from_this<Element> {
public:
    virtual ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    Visibility visibility() const { return visibility_; }
    void set_visibility(Visibility visibility);

    Thickness margin() const { return margin_; }
    void set_margin(Thickness margin);

    // auto_size (NaN) when the element sizes itself.
    double width() const { return width_; }
    void set_width(double width);
    double height() const { return height_; }
    void set_height(double height);

    // Transparent until set.
    const Brush& background() const { return background_; }
    void set_background(const Brush& brush);
    void set_font(const FontSpec& font);

    // The size the layout gave the element; 0 by 0 before it was laid out.
    Size actual_size() const;
    // The first call starts watching the element for these events.
    ElementEvents& events();

    HorizontalAlignment horizontal_alignment() const { return horizontal_; }
    void set_horizontal_alignment(HorizontalAlignment alignment);
    VerticalAlignment vertical_alignment() const { return vertical_; }
    void set_vertical_alignment(VerticalAlignment alignment);

    bool is_enabled() const { return enabled_; }
    void set_enabled(bool enabled);

    // Shown, as written, while the pointer rests on the element; empty: none.
    const std::wstring& tool_tip() const { return tool_tip_; }
    void set_tool_tip(std::wstring text);

    // Moves the keyboard focus here; answers whether the request was made.
    bool focus();
    // Whether the keyboard focus is in this element or below it.
    bool has_focus() const;

    // The panel holding this element; null when it is not in one.
    std::shared_ptr<Panel> parent() const { return parent_.lock(); }

    Value data_context;

    NativeWidget& native() const { return *native_; }

protected:
    Element();  // a plain widget
    explicit Element(NativePtr native);

private:
    friend class ElementCollection;
    void apply_alignment();

    NativePtr native_;
    std::weak_ptr<Panel> parent_;
    Visibility visibility_ = Visibility::visible;
    Thickness margin_;
    double width_ = auto_size;
    double height_ = auto_size;
    HorizontalAlignment horizontal_ = HorizontalAlignment::stretch;
    VerticalAlignment vertical_ = VerticalAlignment::stretch;
    bool enabled_ = true;
    std::wstring tool_tip_;
    Brush background_{Color{0, 0, 0, 0}};
    std::unique_ptr<ElementEvents> events_;
};

}  // namespace platform
