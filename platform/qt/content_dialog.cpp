#include "platform/content_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "platform/interface_language.h"
#include "platform/qt/brushes.h"
#include "platform/qt/fonts.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

// One dialog shows at a time; it holds its ContentDialog until it closes.
std::shared_ptr<ContentDialog> showing;

const QString primary_name = QStringLiteral("primary");
const QString close_name = QStringLiteral("close");

class DialogWidget final : public QDialog {
public:
    using QDialog::QDialog;
    // Runs when the window deletes the dialog before it was closed.
    std::function<void()> on_destroyed;
    ~DialogWidget() override {
        if (on_destroyed) on_destroyed();
    }
};

DialogWidget* dialog_of(const ContentDialog& dialog) {
    return dialog.native() ? static_cast<DialogWidget*>(dialog.native()->widget.data()) : nullptr;
}

void take_in(QVBoxLayout& layout, const std::shared_ptr<Element>& element) {
    if (!element) return;
    QWidget* widget = widget_of(*element);
    if (!widget) return;
    layout.addWidget(widget);
    widget->setVisible(element->visibility() == Visibility::visible);
}

void hand_back(const std::shared_ptr<Element>& element) {
    if (!element) return;
    if (QWidget* widget = widget_of(*element)) {
        widget->hide();
        widget->setParent(nullptr);
    }
}

QPushButton* make_button(QWidget& dialog, const QString& name, const std::wstring& text,
                         const FontSpec& font) {
    auto* button = new QPushButton(to_qstring(text), &dialog);
    button->setObjectName(name);
    // Return in a text box of the content must not press a button.
    button->setAutoDefault(false);
    button->setFont(font_with(button->font(), font));
    button->setMinimumWidth(96);
    return button;
}

}  // namespace

std::shared_ptr<ContentDialog> ContentDialog::create() {
    return std::shared_ptr<ContentDialog>(new ContentDialog());
}

ContentDialog::~ContentDialog() = default;

Task<DialogResult> ContentDialog::show_async(Window& over) {
    if (showing || is_open()) {
        TaskSource<DialogResult> refused;
        refused.set_value(DialogResult::none);
        return refused.task();
    }
    answer_ = {};
    auto* dialog = new DialogWidget(widget_of(over));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setWindowTitle(
        to_qstring(window_title.empty() ? interface_texts().program_name : window_title));
    QPalette palette = dialog->palette();
    palette.setBrush(QPalette::Window, qt_brush(background));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    take_in(*layout, title);
    take_in(*layout, content);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 12, 16, 16);
    buttons->addStretch(1);
    if (!primary_button_text.empty()) {
        QPushButton* primary = make_button(*dialog, primary_name, primary_button_text, button_font);
        primary->setEnabled(is_primary_button_enabled);
        buttons->addWidget(primary);
        std::weak_ptr<ContentDialog> weak = weak_from_this();
        QObject::connect(primary, &QPushButton::clicked, dialog, [weak, dialog] {
            auto self = weak.lock();
            if (!self) return;
            self->primary_click.raise(*self);
            // The handler may have closed the dialog, with none.
            if (self->is_open()) dialog->done(QDialog::Accepted);
        });
    }
    QPushButton* close = make_button(*dialog, close_name, close_button_text, button_font);
    close->setVisible(!close_button_text.empty());
    buttons->addWidget(close);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    if (close_is_default && !close->isHidden()) {
        close->setAutoDefault(true);
        close->setDefault(true);
    }
    layout->addLayout(buttons);
    if (fixed_size) layout->setSizeConstraint(QLayout::SetFixedSize);

    std::weak_ptr<ContentDialog> weak = weak_from_this();
    QObject::connect(dialog, &QDialog::finished, dialog, [weak](int code) {
        if (auto self = weak.lock())
            self->finish(code == QDialog::Accepted ? DialogResult::primary : DialogResult::none);
    });
    dialog->on_destroyed = [weak] {
        if (auto self = weak.lock()) {
            // The window is deleting the dialog: it must not be deleted again.
            self->native_->widget = nullptr;
            self->finish(DialogResult::none);
        }
    };
    native_ = make_native(dialog);
    showing = shared_from_this();
    dialog->open();
    if (close_is_default && !close->isHidden()) close->setFocus(Qt::OtherFocusReason);
    return answer_.task();
}

void ContentDialog::finish(DialogResult result) {
    std::shared_ptr<ContentDialog> keep = shared_from_this();
    hand_back(title);
    hand_back(content);
    if (DialogWidget* dialog = dialog_of(*this)) {
        dialog->on_destroyed = nullptr;
        native_->widget = nullptr;
        // Inside its own signal: deleted on a later turn.
        dialog->deleteLater();
    }
    native_.reset();
    if (showing == keep) showing.reset();
    answer_.set_value(result);
}

void ContentDialog::hide() {
    if (is_open()) dialog_of(*this)->done(QDialog::Rejected);
}

bool ContentDialog::is_open() const {
    const DialogWidget* dialog = dialog_of(*this);
    return dialog && dialog->isVisible();
}

std::shared_ptr<ContentDialog> ContentDialog::open_dialog() { return showing; }

void ContentDialog::click_primary() {
    DialogWidget* dialog = dialog_of(*this);
    if (!dialog) return;
    if (auto* primary = dialog->findChild<QPushButton*>(primary_name)) primary->click();
}

void ContentDialog::click_close() {
    DialogWidget* dialog = dialog_of(*this);
    if (!dialog) return;
    if (auto* close = dialog->findChild<QPushButton*>(close_name); close && !close->isHidden()) {
        close->click();
    } else {
        dialog->reject();
    }
}

}  // namespace platform
