#include "platform/menu_flyout.h"

#include <QMenu>

#include "platform/dispatcher.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/tinted_icon.h"

namespace platform {

namespace {

// One menu shows at a time; it holds its flyout until it has closed.
std::shared_ptr<MenuFlyout> showing;

QMenu* menu_of(const MenuFlyout& flyout) {
    return flyout.native() ? static_cast<QMenu*>(flyout.native()->widget.data()) : nullptr;
}

void add_item(QMenu& menu, const std::shared_ptr<MenuFlyoutItem>& item) {
    // Text after a tab is shown at the right, as a key hint only.
    QString text = to_qstring(item->text);
    if (!item->accelerator_text.empty())
        text += QLatin1Char('\t') + to_qstring(item->accelerator_text);
    QAction* action = menu.addAction(tinted_icon(item->icon, item->icon_foreground.color), text);
    if (item->font_size > 0) {
        QFont font = menu.font();
        font.setPixelSize(int(item->font_size + 0.5));
        action->setFont(font);
    }
    QObject::connect(action, &QAction::triggered, action, [item] { item->click(); });
}

}  // namespace

std::shared_ptr<MenuFlyoutItem> MenuFlyoutItem::create(std::wstring text) {
    auto item = std::make_shared<MenuFlyoutItem>();
    item->text = std::move(text);
    return item;
}

void MenuFlyoutItem::click() {
    if (auto open = MenuFlyout::open_menu()) open->hide();
    post([self = std::static_pointer_cast<MenuFlyoutItem>(shared_from_this())] {
        self->clicked.raise(*self);
    });
}

std::shared_ptr<MenuFlyout> MenuFlyout::create() {
    return std::shared_ptr<MenuFlyout>(new MenuFlyout());
}

MenuFlyout::~MenuFlyout() = default;

void MenuFlyout::show_at(Element& target, Point offset) {
    if (is_open()) return;
    if (showing) showing->hide();
    QWidget* anchor = widget_of(target);
    if (!anchor) return;
    auto* menu = new QMenu(anchor);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& entry : items_) {
        if (auto item = std::dynamic_pointer_cast<MenuFlyoutItem>(entry)) {
            add_item(*menu, item);
        } else {
            menu->addSeparator();
        }
    }
    std::weak_ptr<MenuFlyout> weak = weak_from_this();
    QObject::connect(menu, &QMenu::aboutToHide, menu, [weak] {
        if (auto self = weak.lock()) self->on_closed();
    });
    native_ = make_native(menu);
    showing = shared_from_this();
    menu->popup(anchor->mapToGlobal(QPointF(offset.x, offset.y).toPoint()));
}

bool MenuFlyout::is_open() const {
    const QMenu* menu = menu_of(*this);
    return menu && menu->isVisible();
}

void MenuFlyout::hide() {
    if (QMenu* menu = menu_of(*this)) menu->close();
}

std::shared_ptr<MenuFlyout> MenuFlyout::open_menu() {
    return showing && showing->is_open() ? showing : nullptr;
}

void MenuFlyout::on_closed() {
    // The menu deletes itself once closed; the flyout lets go of it and of
    // itself on a later turn, outside the menu's own signal.
    post([self = shared_from_this()] {
        self->native_.reset();
        if (showing == self) showing.reset();
        self->closed.raise(*self);
    });
}

}  // namespace platform
