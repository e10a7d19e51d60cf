#include "platform/panel.h"

#include <QBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

QWidget* make_stack_widget(Orientation orientation) {
    auto* widget = new QWidget;
    auto* layout = new QBoxLayout(
        orientation == Orientation::vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight,
        widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Children take their own size; the space left over stays at the end.
    layout->addStretch(1);
    return widget;
}

}  // namespace

std::shared_ptr<Panel> Panel::create(Orientation orientation) {
    return std::shared_ptr<Panel>(
        new Panel(orientation, make_native(make_stack_widget(orientation))));
}

Panel::Panel(Orientation orientation, NativePtr native)
    : Element(std::move(native)), orientation_(orientation) {}

Panel::~Panel() {
    // Children may outlive the panel; their widgets must not die with it.
    children_.clear();
}

void Panel::set_spacing(double spacing) {
    if (auto* layout = widget_of(*this)->layout()) layout->setSpacing(int(spacing + 0.5));
}

void Panel::attach_widget(Element& child, std::size_t index) {
    auto* layout = static_cast<QBoxLayout*>(widget_of(*this)->layout());
    QWidget* widget = widget_of(child);
    layout->insertWidget(int(index), widget);
}

void Panel::detach_widget(Element& child) {
    QWidget* widget = widget_of(child);
    if (!widget) return;
    if (auto* layout = widget_of(*this)->layout()) layout->removeWidget(widget);
    widget->hide();
    widget->setParent(nullptr);
}

void ElementCollection::append(std::shared_ptr<Element> element) {
    insert_at(items_.size(), std::move(element));
}

void ElementCollection::insert_at(std::size_t index, std::shared_ptr<Element> element) {
    if (!element) throw std::invalid_argument("a panel cannot hold an empty element");
    if (element.get() == &owner_) throw std::invalid_argument("a panel cannot hold itself");
    if (auto previous = element->parent()) {
        auto& siblings = previous->children();
        if (auto at = siblings.index_of(*element)) {
            if (&siblings == this && *at < index) --index;
            siblings.remove_at(*at);
        }
    }
    if (index > items_.size()) throw std::out_of_range("panel index past the end");
    items_.insert(items_.begin() + std::ptrdiff_t(index), element);
    element->parent_ = std::static_pointer_cast<Panel>(owner_.shared_from_this());
    owner_.attach_widget(*element, index);
    element->apply_alignment();
    if (QWidget* widget = widget_of(*element))
        widget->setVisible(element->visibility() == Visibility::visible);
}

void ElementCollection::remove_at(std::size_t index) {
    if (index >= items_.size()) throw std::out_of_range("panel index past the end");
    std::shared_ptr<Element> element = items_[index];
    items_.erase(items_.begin() + std::ptrdiff_t(index));
    owner_.detach_widget(*element);
    element->parent_.reset();
}

void ElementCollection::clear() {
    while (!items_.empty()) remove_at(items_.size() - 1);
}

std::optional<std::size_t> ElementCollection::index_of(const Element& element) const {
    auto found = std::find_if(items_.begin(), items_.end(),
                              [&](const auto& item) { return item.get() == &element; });
    if (found == items_.end()) return std::nullopt;
    return std::size_t(found - items_.begin());
}

}  // namespace platform
