// The scroll area behind a scroll viewer. Given a greatest height, it takes
// its content's height at its width up to that height, so the window around
// it grows with the content and does not squeeze its neighbours; beyond it,
// it scrolls. It may keep the end of its content in view as the content
// grows, as a display whose text is added at the end needs.
#pragma once

#include <QScrollArea>

namespace platform {

class FittedScrollArea final : public QScrollArea {
public:
    FittedScrollArea();
    // QWIDGETSIZE_MAX: no bound, and the area asks for little height.
    void set_greatest_height(int height);
    void set_keeps_end_in_view(bool keeps);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool bounded() const { return greatest_height_ < QWIDGETSIZE_MAX; }
    // The content's height at the area's width, within the bound.
    int fitted_height() const;

    int greatest_height_ = QWIDGETSIZE_MAX;
    bool keeps_end_in_view_ = false;
};

}  // namespace platform
