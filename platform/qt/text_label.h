// The label behind a text block. A wrapped one may ask its layout for the
// width of its whole text on one line: the layout then gives it that much
// when it has the room, and it wraps only in a narrower place. A plain
// wrapped label asks for a narrow box and wraps even where there is room.
// One that breaks anywhere wraps between any two characters, not only
// between words.
#pragma once

#include <QLabel>

namespace platform {

class TextLabel final : public QLabel {
public:
    void set_asks_for_one_line(bool asks);
    void set_breaks_anywhere(bool breaks);
    // Shows `text`, plain, as this label wraps it.
    void show_text(const QString& text);
    QSize sizeHint() const override;

private:
    bool asks_for_one_line_ = false;
    bool breaks_anywhere_ = false;
    QString text_;
};

}  // namespace platform
