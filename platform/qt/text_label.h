// The label behind a text block. A wrapped one may ask its layout for the
// width of its whole text on one line: the layout then gives it that much
// when it has the room, and it wraps only in a narrower place. A plain
// wrapped label asks for a narrow box and wraps even where there is room.
// One that breaks anywhere wraps between any two characters, not only
// between words.
// An eliding one (a name, a path, a note) keeps to one line and is shortened
// in the middle or at the end when painted narrower than its text; it asks
// for no more than a modest width and needs next to none, so no name widens
// the window.
#pragma once

#include <QLabel>

namespace platform {

// A tooltip's text that shows as written, even where Qt would take it for
// markup (a file named "<b>Offer").
QString plain_tool_tip(const QString& text);

class TextLabel final : public QLabel {
public:
    void set_asks_for_one_line(bool asks);
    void set_breaks_anywhere(bool breaks);
    // Shows `text`, plain, as this label wraps it.
    void show_text(const QString& text);
    void set_elides(bool elides, Qt::TextElideMode where);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool asks_for_one_line_ = false;
    bool breaks_anywhere_ = false;
    QString text_;
    bool elides_ = false;
    Qt::TextElideMode where_ = Qt::ElideMiddle;
};

}  // namespace platform
