#include "platform/list_box.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <functional>

#include "platform/qt/line_breaks.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

// Entries wrap between words, and inside a word too wide for the list.
class WrappingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->features & QStyleOptionViewItem::WrapText) || option->text.isEmpty()) return;
        const QWidget* view = option->widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        // The style keeps this much free on either side of the text.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, option, view) + 1;
        const int room = option->rect.width() - 2 * margin;
        if (room > 0) option->text = breakable_words(option->text, option->fontMetrics, room);
    }
};

// Shows the entry that code selected once its place is known: a batched
// layout places the entries as the event loop turns, so an entry beyond the
// first batch has no place when it is selected, and the list scrolls to it
// again when the layout is done.
class EntryList final : public QListWidget {
public:
    EntryList() { setItemDelegate(new WrappingDelegate(this)); }

    void keep_in_view(int row) {
        kept_row_ = row;
        bring_into_view();
    }

protected:
    void updateGeometries() override {
        QListWidget::updateGeometries();
        bring_into_view();
    }

private:
    void bring_into_view() {
        if (kept_row_ < 0 || kept_row_ >= count()) {
            kept_row_ = -1;
            return;
        }
        if (scrolling_) return;
        scrolling_ = true;
        QListWidgetItem* kept = item(kept_row_);
        if (!visualItemRect(kept).isEmpty()) scrollToItem(kept);
        // Settled once shown with every entry in place.
        if (isVisible() && !visualItemRect(item(count() - 1)).isEmpty()) kept_row_ = -1;
        scrolling_ = false;
    }

    int kept_row_ = -1;
    bool scrolling_ = false;
};

QListWidget* list_of(const Element& element) {
    return static_cast<QListWidget*>(widget_of(element));
}

// Qt's view selects the entry a right press lands on; here a right click
// only names it.
class RightClickFilter final : public QObject {
public:
    RightClickFilter(QListWidget* list, std::function<void(int, QPoint)> on_click)
        : QObject(list), list_(list), on_click_(std::move(on_click)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton) return false;
        if (type == QEvent::MouseButtonRelease) {
            const QPoint at = mouse->position().toPoint();
            const int row = list_->row(list_->itemAt(at));
            if (row >= 0) on_click_(row, list_->viewport()->mapTo(list_, at));
        }
        return true;
    }

private:
    QListWidget* list_;
    std::function<void(int, QPoint)> on_click_;
};

}  // namespace

std::shared_ptr<ListBox> ListBox::create() {
    auto list = std::shared_ptr<ListBox>(new ListBox());
    std::weak_ptr<ListBox> weak = list;
    QObject::connect(list_of(*list), &QListWidget::currentRowChanged, [weak](int row) {
        auto self = weak.lock();
        if (self && !self->updating_) self->change_selection(row);
    });
    QListWidget* widget = list_of(*list);
    QObject::connect(widget, &QListWidget::itemDoubleClicked,
                     [weak, widget](QListWidgetItem* item) {
                         const int row = widget->row(item);
                         if (auto self = weak.lock(); self && row >= 0)
                             self->item_double_clicked.raise(*self, row);
                     });
    widget->viewport()->installEventFilter(new RightClickFilter(widget, [weak](int row, QPoint at) {
        if (auto self = weak.lock())
            self->item_right_clicked.raise(*self, {row, {double(at.x()), double(at.y())}});
    }));
    return list;
}

ListBox::ListBox()
    : Element([] {
          auto* list = new EntryList;
          list->setFrameShape(QFrame::NoFrame);
          list->setWordWrap(true);
          list->setSpacing(3);
          list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
          list->setSelectionMode(QAbstractItemView::SingleSelection);
          // Long lists show at once: entries are measured in batches as
          // the event loop turns, not all before the first paint.
          list->setLayoutMode(QListView::Batched);
          list->setBatchSize(200);
          // The element's background shows through the entries.
          list->viewport()->setAutoFillBackground(false);
          QPalette palette = list->palette();
          palette.setColor(QPalette::Base, Qt::transparent);
          list->setPalette(palette);
          return make_native(list);
      }()) {}

void ListBox::set_entries(std::vector<ListEntry> entries) {
    entries_ = std::move(entries);
    QListWidget* list = list_of(*this);
    updating_ = true;
    list->clear();
    for (const ListEntry& entry : entries_) {
        auto* item = new QListWidgetItem(to_qstring(entry.text));
        item->setForeground(
            QColor(entry.foreground.r, entry.foreground.g, entry.foreground.b, entry.foreground.a));
        if (!entry.font_family.empty()) {
            QFont font = list->font();
            font.setFamilies({to_qstring(entry.font_family)});
            item->setFont(font);
        }
        if (entry.indent > 0)
            item->setText(QString(int(entry.indent / 4 + 0.5), QChar(' ')) + item->text());
        list->addItem(item);
    }
    updating_ = false;
    if (selected_ != -1) change_selection(-1);
}

void ListBox::set_selected_index(int index) {
    if (index < 0 || std::size_t(index) >= entries_.size()) index = -1;
    show_selection(index);
    if (index >= 0) static_cast<EntryList*>(list_of(*this))->keep_in_view(index);
    if (index != selected_) change_selection(index);
}

void ListBox::remove_at(int index) {
    if (index < 0 || std::size_t(index) >= entries_.size()) return;
    entries_.erase(entries_.begin() + index);
    updating_ = true;
    delete list_of(*this)->takeItem(index);
    updating_ = false;
    const int kept = selected_ == index ? -1 : selected_ > index ? selected_ - 1 : selected_;
    show_selection(kept);
    if (kept != selected_) {
        selected_ = kept;
        selection_changed.raise(*this, kept);
    }
}

void ListBox::scroll_into_view(int index) {
    if (index < 0 || std::size_t(index) >= entries_.size()) return;
    QListWidget* list = list_of(*this);
    list->scrollToItem(list->item(index));
}

void ListBox::double_click(int index) {
    if (index < 0 || std::size_t(index) >= entries_.size()) return;
    set_selected_index(index);
    item_double_clicked.raise(*this, index);
}

void ListBox::right_click(int index) {
    if (index < 0 || std::size_t(index) >= entries_.size()) return;
    QListWidget* list = list_of(*this);
    const QPoint at =
        list->viewport()->mapTo(list, list->visualItemRect(list->item(index)).center());
    item_right_clicked.raise(*this, {index, {double(at.x()), double(at.y())}});
}

void ListBox::show_selection(int index) {
    QListWidget* list = list_of(*this);
    updating_ = true;
    list->setCurrentRow(index);
    if (index < 0) list->clearSelection();
    updating_ = false;
}

void ListBox::change_selection(int index) {
    if (index < 0 || std::size_t(index) >= entries_.size()) index = -1;
    if (index == selected_) return;
    selected_ = index;
    show_selection(index);
    selection_changed.raise(*this, index);
}

}  // namespace platform
