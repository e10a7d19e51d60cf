#include "platform/list_box.h"

#include <QListWidget>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

QListWidget* list_of(const Element& element) {
    return static_cast<QListWidget*>(widget_of(element));
}

}  // namespace

std::shared_ptr<ListBox> ListBox::create() {
    auto list = std::shared_ptr<ListBox>(new ListBox());
    std::weak_ptr<ListBox> weak = list;
    QObject::connect(list_of(*list), &QListWidget::currentRowChanged, [weak](int row) {
        auto self = weak.lock();
        if (self && !self->updating_) self->change_selection(row);
    });
    return list;
}

ListBox::ListBox()
    : Element([] {
          auto* list = new QListWidget;
          list->setFrameShape(QFrame::NoFrame);
          list->setWordWrap(true);
          list->setSpacing(3);
          list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
          list->setSelectionMode(QAbstractItemView::SingleSelection);
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
    if (index != selected_) change_selection(index);
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
