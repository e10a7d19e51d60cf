// A panel and its children: a stack of elements, one after the other.
//
// `children()` is the list that the window and the data panel fill.
// Inserting an element that already sits in a panel moves it. Removing one
// detaches it (its widget leaves the window) without destroying it.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "platform/element.h"

namespace platform {

class Panel;

class ElementCollection {
public:
    std::size_t size() const { return items_.size(); }
    // Throws std::out_of_range past the end.
    const std::shared_ptr<Element>& at(std::size_t index) const { return items_.at(index); }
    void append(std::shared_ptr<Element> element);
    void insert_at(std::size_t index, std::shared_ptr<Element> element);
    void remove_at(std::size_t index);
    void clear();
    std::optional<std::size_t> index_of(const Element& element) const;

private:
    friend class Panel;
    explicit ElementCollection(Panel& owner) : owner_(owner) {}

    Panel& owner_;
    std::vector<std::shared_ptr<Element>> items_;
};

class Panel : public Element {
public:
    static std::shared_ptr<Panel> create(Orientation orientation = Orientation::vertical);
    ~Panel() override;

    ElementCollection& children() { return children_; }
    const ElementCollection& children() const { return children_; }

    Orientation orientation() const { return orientation_; }
    void set_spacing(double spacing);

protected:
    explicit Panel(Orientation orientation, NativePtr native);

    // Puts the child's widget into this panel's layout at `index`, or takes it
    // out. Grids place children by their cell instead.
    virtual void attach_widget(Element& child, std::size_t index);
    virtual void detach_widget(Element& child);

private:
    friend class ElementCollection;
    friend class Element;

    Orientation orientation_;
    ElementCollection children_{*this};
};

}  // namespace platform
