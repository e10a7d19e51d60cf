#include "platform/pane_row.h"

#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

using Place = PaneRow::Place;

// Lays out the panes and the content by the rules of pane_fit.h, at every
// size the row is given.
class PaneRowLayout final : public QLayout {
public:
    explicit PaneRowLayout(ContentShare content) : content_(content) {
        setContentsMargins(0, 0, 0, 0);
        setSpacing(0);
    }
    // The items only: their widgets belong to their elements.
    ~PaneRowLayout() override {
        for (const auto& [item, place] : items_) delete item;
    }

    void add(QWidget* widget, Place place) {
        addChildWidget(widget);
        items_.emplace_back(new QWidgetItem(widget), place);
        invalidate();
    }
    void set_open(PaneWidths open) {
        open_ = open;
        invalidate();
    }

    void addItem(QLayoutItem* item) override { items_.emplace_back(item, Place::content); }
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override {
        return index >= 0 && index < count() ? items_[std::size_t(index)].first : nullptr;
    }
    QLayoutItem* takeAt(int index) override {
        if (index < 0 || index >= count()) return nullptr;
        QLayoutItem* item = items_[std::size_t(index)].first;
        items_.erase(items_.begin() + index);
        invalidate();
        return item;
    }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }

    QSize sizeHint() const override {
        const QSize content = widest(Place::content, &QLayoutItem::sizeHint);
        return {int(std::lround(open_.start + open_.end)) + content.width(),
                tallest(&QLayoutItem::sizeHint)};
    }
    QSize minimumSize() const override {
        const double row = narrowest_row(needs(), content_, content_needs());
        return {int(std::ceil(row)), tallest(&QLayoutItem::minimumSize)};
    }

    void setGeometry(const QRect& area) override {
        QLayout::setGeometry(area);
        const double least = content_least_width(area.width(), content_, content_needs());
        const PaneWidths given = fit_side_panes(area.width(), open_, needs(), least);
        const int start = int(std::lround(given.start));
        const int end = std::min(int(std::lround(given.end)), std::max(0, area.width() - start));
        for (const auto& [item, place] : items_) {
            if (item->isEmpty()) continue;
            switch (place) {
                case Place::start_pane:
                    item->setGeometry({area.x(), area.y(), start, area.height()});
                    break;
                case Place::end_pane:
                    item->setGeometry(
                        {area.x() + area.width() - end, area.y(), end, area.height()});
                    break;
                case Place::content:
                    item->setGeometry({area.x() + start, area.y(),
                                       std::max(0, area.width() - start - end), area.height()});
                    break;
            }
        }
    }

private:
    QSize widest(Place place, QSize (QLayoutItem::*size)() const) const {
        QSize widest;
        for (const auto& [item, at] : items_) {
            if (at == place && !item->isEmpty()) widest = widest.expandedTo((item->*size)());
        }
        return widest;
    }
    int tallest(QSize (QLayoutItem::*size)() const) const {
        int height = 0;
        for (const auto& [item, at] : items_) {
            if (!item->isEmpty()) height = std::max(height, (item->*size)().height());
        }
        return height;
    }
    PaneWidths needs() const {
        return {double(widest(Place::start_pane, &QLayoutItem::minimumSize).width()),
                double(widest(Place::end_pane, &QLayoutItem::minimumSize).width())};
    }
    double content_needs() const {
        return widest(Place::content, &QLayoutItem::minimumSize).width();
    }

    ContentShare content_;
    PaneWidths open_;
    std::vector<std::pair<QLayoutItem*, Place>> items_;
};

PaneRowLayout* row_layout(const Element& row) {
    return static_cast<PaneRowLayout*>(widget_of(row)->layout());
}

QWidget* make_row_widget(ContentShare content) {
    auto* widget = new QWidget;
    widget->setLayout(new PaneRowLayout(content));
    return widget;
}

}  // namespace

std::shared_ptr<PaneRow> PaneRow::create(ContentShare content) {
    return std::shared_ptr<PaneRow>(new PaneRow(content));
}

PaneRow::PaneRow(ContentShare content)
    : Panel(Orientation::horizontal, make_native(make_row_widget(content))) {}

void PaneRow::set_place(const Element& child, Place place) { places_[&child] = place; }

double PaneRow::open_width(Place pane) const {
    return pane == Place::start_pane ? open_.start : pane == Place::end_pane ? open_.end : 0;
}

void PaneRow::set_open_width(Place pane, double width) {
    if (pane == Place::start_pane) open_.start = std::max(0.0, width);
    if (pane == Place::end_pane) open_.end = std::max(0.0, width);
    row_layout(*this)->set_open(open_);
}

void PaneRow::attach_widget(Element& child, std::size_t) {
    const auto found = places_.find(&child);
    row_layout(*this)->add(widget_of(child),
                           found == places_.end() ? Place::content : found->second);
}

void PaneRow::detach_widget(Element& child) {
    Panel::detach_widget(child);
    places_.erase(&child);
}

}  // namespace platform
