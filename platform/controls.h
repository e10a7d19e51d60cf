// The simple controls of the window: scroll viewer, text block, tool bar
// button and image.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

// Shows one element and scrolls it vertically.
class ScrollViewer final : public Element {
public:
    static std::shared_ptr<ScrollViewer> create();
    ~ScrollViewer() override;

    const std::shared_ptr<Element>& content() const { return content_; }
    void set_content(std::shared_ptr<Element> content);

    double vertical_offset() const;
    void scroll_to_vertical_offset(double offset);

    // For a text: at most this many of its lines show (with the viewer's and
    // the text's own margins). Below that the viewer takes the text's height,
    // so what holds it grows with the text; beyond it, it scrolls. 0: no
    // bound, and the viewer takes the height its place gives it.
    void set_max_lines(int lines);
    // For a text: at least this many of its lines' height, however short
    // the text, so that what lies below stays put as the text grows. 0: the
    // text's own height.
    void set_min_lines(int lines);
    // Keeps the end of the content in view as the content grows or shrinks,
    // as where text is added at the end.
    void set_keeps_end_in_view(bool keeps);

private:
    ScrollViewer();
    std::shared_ptr<Element> content_;
};

class TextBlock final : public Element {
public:
    static std::shared_ptr<TextBlock> create(std::wstring text = {});

    const std::wstring& text() const { return text_; }
    void set_text(std::wstring text);
    void set_foreground(const SolidColorBrush& brush);
    // One line, shortened with "…" when painted narrower than the text,
    // which stays whole as the text and the tooltip: in the middle for a
    // name or a path, whose both ends tell; at the end for a sentence, whose
    // start tells. It never makes its window wider.
    enum class Shortened { in_the_middle, at_the_end };
    void set_elides(bool elides, Shortened where = Shortened::in_the_middle);
    bool elides() const { return elides_; }

private:
    TextBlock();
    std::wstring text_;
    bool elides_ = false;
};

// A tool bar button: an icon over a label.
class AppBarButton final : public Element {
public:
    static std::shared_ptr<AppBarButton> create();

    const std::wstring& label() const { return label_; }
    void set_label(std::wstring label);
    // A monochrome image whose shape is drawn in the icon foreground.
    void set_icon(const std::wstring& path);
    void set_foreground(const SolidColorBrush& brush);
    // Clicks the button as a user would (tests, accelerators).
    void click();
    // A marked button has a thin gray border: it stands for the open mode.
    bool marked() const { return marked_; }
    void set_marked(bool marked);

    Event<AppBarButton> clicked;

private:
    AppBarButton();
    void paint_icon();

    bool marked_ = false;

    std::wstring label_;
    std::wstring icon_path_;
    Color foreground_{255, 0, 0, 0};
};

class Image final : public Element {
public:
    static std::shared_ptr<Image> create();

    const std::wstring& source() const { return source_; }
    // A missing or unreadable file shows nothing.
    void set_source(std::wstring path);

    Event<Image> tapped;

private:
    Image();
    std::wstring source_;
};

}  // namespace platform
