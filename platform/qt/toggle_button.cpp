#include "platform/toggle_button.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

QAbstractButton* button_of(const Element& element) {
    return static_cast<QAbstractButton*>(widget_of(element));
}

constexpr int caption_flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;

// A check box or radio button whose caption wraps between words where its
// row is narrower than the caption, instead of pushing the row wider than
// the pane. With the room for it, the caption stays on one line.
template <class Base, QStyle::ControlElement mark_and_caption, QStyle::SubElement caption_area>
class WrappingToggle final : public Base {
public:
    WrappingToggle() {
        // Narrower than the caption when need be, then as tall as it wraps.
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        policy.setHeightForWidth(true);
        this->setSizePolicy(policy);
    }

    bool hasHeightForWidth() const override { return true; }

    int heightForWidth(int width) const override {
        const auto caption_height = [this](int room) {
            return this->fontMetrics()
                .boundingRect(QRect(0, 0, std::max(1, room), QWIDGETSIZE_MAX),
                              caption_flags | Qt::TextWordWrap, this->text())
                .height();
        };
        // The lines the caption takes beyond its first.
        const int more = caption_height(caption_width(width)) - caption_height(QWIDGETSIZE_MAX);
        return Base::sizeHint().height() + std::max(0, more);
    }

    // The mark and the longest word of the caption.
    QSize minimumSizeHint() const override {
        const QSize whole = Base::sizeHint();
        int longest = 0;
        const QFontMetrics metrics = this->fontMetrics();
        for (const QString& word : this->text().split(QChar(' '), Qt::SkipEmptyParts))
            longest = std::max(longest, metrics.horizontalAdvance(word));
        return {whole.width() - caption_width(whole.width()) + longest, whole.height()};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(mark_and_caption, option);
        option.text = caption;
        const QRect area = this->style()->subElementRect(caption_area, &option, this);
        this->style()->drawItemText(&painter, area, caption_flags | Qt::TextWordWrap,
                                    option.palette, this->isEnabled(), caption,
                                    QPalette::WindowText);
    }

    // A click on any line of the caption counts, as on a one-line one; the
    // blank beside a short caption does not.
    bool hitButton(const QPoint& at) const override {
        if (Base::hitButton(at)) return true;
        QStyleOptionButton option;
        this->initStyleOption(&option);
        const QRect area = this->style()->subElementRect(caption_area, &option, this);
        return this->fontMetrics()
            .boundingRect(area, caption_flags | Qt::TextWordWrap, this->text())
            .contains(at);
    }

private:
    int caption_width(int width) const {
        QStyleOptionButton option;
        this->initStyleOption(&option);
        option.rect = QRect(0, 0, width, Base::sizeHint().height());
        return this->style()->subElementRect(caption_area, &option, this).width();
    }
};

using WrappingCheckBox =
    WrappingToggle<QCheckBox, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents>;
using WrappingRadioButton =
    WrappingToggle<QRadioButton, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents>;

}  // namespace

ToggleButton::ToggleButton(NativePtr native, std::wstring content)
    : Element(std::move(native)), content_(std::move(content)) {
    button_of(*this)->setText(to_qstring(content_));
}

void ToggleButton::connect_events() {
    std::weak_ptr<ToggleButton> weak = std::static_pointer_cast<ToggleButton>(shared_from_this());
    QObject::connect(button_of(*this), &QAbstractButton::toggled, [weak](bool on) {
        auto self = weak.lock();
        if (!self) return;
        if (on) {
            self->checked.raise(*self);
        } else {
            self->unchecked.raise(*self);
        }
    });
}

bool ToggleButton::is_checked() const { return button_of(*this)->isChecked(); }

void ToggleButton::set_checked(bool checked) { button_of(*this)->setChecked(checked); }

void ToggleButton::click() { button_of(*this)->click(); }

std::shared_ptr<CheckBox> CheckBox::create(std::wstring content) {
    auto box = std::shared_ptr<CheckBox>(new CheckBox(std::move(content)));
    box->connect_events();
    return box;
}

CheckBox::CheckBox(std::wstring content)
    : ToggleButton(make_native(new WrappingCheckBox), std::move(content)) {}

std::shared_ptr<RadioButton> RadioButton::create(std::wstring content) {
    auto button = std::shared_ptr<RadioButton>(new RadioButton(std::move(content)));
    button->connect_events();
    return button;
}

// Exclusive among the radio buttons of the same parent widget, which is
// what one panel holding them gives.
RadioButton::RadioButton(std::wstring content)
    : ToggleButton(make_native(new WrappingRadioButton), std::move(content)) {}

}  // namespace platform
