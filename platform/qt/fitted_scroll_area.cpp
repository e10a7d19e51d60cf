#include "platform/qt/fitted_scroll_area.h"

#include <QEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace platform {

FittedScrollArea::FittedScrollArea() {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A content that changes its size asks its parent, the viewport, to lay
    // it out again; the area's own height follows it.
    viewport()->installEventFilter(this);
    QObject::connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int end) {
        if (keeps_end_in_view_) verticalScrollBar()->setValue(end);
    });
}

void FittedScrollArea::set_greatest_lines(int lines) {
    greatest_lines_ = std::max(0, lines);
    // A bounded area sits in a box of its own, whose background it shows.
    viewport()->setAutoFillBackground(!bounded());
    updateGeometry();
}

void FittedScrollArea::set_least_lines(int lines) {
    least_lines_ = std::max(0, lines);
    updateGeometry();
}

void FittedScrollArea::set_keeps_end_in_view(bool keeps) {
    keeps_end_in_view_ = keeps;
    if (keeps) verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

int FittedScrollArea::fitted_height() const {
    const QWidget* content = widget();
    if (!content) return 0;
    const QMargins frame = contentsMargins();
    const int width =
        std::max(content->minimumWidth(), this->width() - frame.left() - frame.right());
    const int height = content->hasHeightForWidth() ? content->heightForWidth(width)
                                                    : content->sizeHint().height();
    // A wrapped text's lines stand one font height apart.
    const QMargins inner = content->contentsMargins();
    const auto lines_high = [&](int lines) {
        return lines * content->fontMetrics().height() + inner.top() + inner.bottom();
    };
    const int least = std::min(lines_high(least_lines_), lines_high(greatest_lines_));
    return std::clamp(height, least, lines_high(greatest_lines_)) + frame.top() + frame.bottom();
}

QSize FittedScrollArea::sizeHint() const {
    QSize hint = QScrollArea::sizeHint();
    if (bounded()) hint.setHeight(fitted_height());
    return hint;
}

QSize FittedScrollArea::minimumSizeHint() const {
    QSize hint = QScrollArea::minimumSizeHint();
    if (bounded()) hint.setHeight(fitted_height());
    return hint;
}

void FittedScrollArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    // At another width the content wraps to another height.
    if (bounded() && event->size().width() != event->oldSize().width()) updateGeometry();
}

bool FittedScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport() && event->type() == QEvent::LayoutRequest && bounded())
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace platform
