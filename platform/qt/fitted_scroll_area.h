// The scroll area behind a scroll viewer. Given a greatest number of lines
// of its content's text, it takes its content's height at its width up to
// that many lines, so the window around it grows with the content and does
// not squeeze its neighbours; beyond it, it scrolls. Given a least number,
// it is never lower than that many lines, so what lies below it stays put.
// It may keep the end of its content in view as the content grows, as a
// display whose text is added at the end needs.
#pragma once

#include <QScrollArea>

namespace platform {

class FittedScrollArea final : public QScrollArea {
public:
    FittedScrollArea();
    // 0: no bound, and the area asks for little height.
    void set_greatest_lines(int lines);
    // 0: the content's own height.
    void set_least_lines(int lines);
    void set_keeps_end_in_view(bool keeps);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool bounded() const { return greatest_lines_ > 0; }
    // The content's height at the area's width, within the bound.
    int fitted_height() const;

    int greatest_lines_ = 0;
    int least_lines_ = 0;
    bool keeps_end_in_view_ = false;
};

}  // namespace platform
