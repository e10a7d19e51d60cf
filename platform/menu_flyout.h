// A pop-up menu of commands and separators, built anew each time it opens.
//
// `show_at` pops the menu up at a point relative to an element; choosing an
// item closes the menu, and the item's `clicked` is raised afterwards, on a
// later turn of the event loop, so a handler runs with no menu on the screen.
// `closed` is raised when the menu has closed, chosen or not. Items are
// described here and made into widgets only while the menu shows.
// UI thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/element.h"
#include "platform/event.h"
#include "platform/style.h"
#include "platform/value.h"

namespace platform {

class MenuFlyoutItemBase : public std::enable_shared_from_this<MenuFlyoutItemBase> {
public:
    virtual ~MenuFlyoutItemBase() = default;
};

class MenuFlyoutSeparator final : public MenuFlyoutItemBase {
public:
    static std::shared_ptr<MenuFlyoutSeparator> create() {
        return std::make_shared<MenuFlyoutSeparator>();
    }
};

class MenuFlyoutItem final : public MenuFlyoutItemBase {
public:
    static std::shared_ptr<MenuFlyoutItem> create(std::wstring text = {});

    std::wstring text;
    // Shown at the right of the item; the key itself is declared elsewhere.
    std::wstring accelerator_text;
    // A monochrome image whose shape is drawn in `icon_foreground`; empty:
    // no icon.
    std::wstring icon;
    SolidColorBrush icon_foreground{Color{255, 0, 0, 0}};
    double font_size = 0;  // 0: the menu's own size
    Value data_context;

    // Chooses the item as a user would: `clicked` is raised on a later turn.
    void click();

    Event<MenuFlyoutItem> clicked;
};

class MenuFlyout final : public std::enable_shared_from_this<MenuFlyout> {
public:
    static std::shared_ptr<MenuFlyout> create();
    ~MenuFlyout();
    MenuFlyout(const MenuFlyout&) = delete;
    MenuFlyout& operator=(const MenuFlyout&) = delete;

    std::vector<std::shared_ptr<MenuFlyoutItemBase>>& items() { return items_; }

    // Pops the menu up with its top-left corner at `offset` from the
    // element's top-left corner; the flyout keeps itself alive while it
    // shows. A flyout that shows already stays where it is.
    void show_at(Element& target, Point offset);
    bool is_open() const;
    // Closes the menu without choosing anything.
    void hide();
    // The flyout that shows now, or null (tests).
    static std::shared_ptr<MenuFlyout> open_menu();

    Event<MenuFlyout> closed;

    // The menu's native widget while it shows, else null.
    NativeWidget* native() const { return native_.get(); }

private:
    MenuFlyout() = default;
    void on_closed();

    std::vector<std::shared_ptr<MenuFlyoutItemBase>> items_;
    NativePtr native_;
};

}  // namespace platform
