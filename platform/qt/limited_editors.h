// The editors behind a text box, with the box's character limit: an edit by
// the user that would make the text longer than the limit is refused whole,
// before anything is inserted where the editor lets us see it coming (keys,
// pastes, drops), and undone at once otherwise (the line's validator). A
// text set by code is never refused, and the user may edit it within its own
// length when that is past the limit. Characters are counted as the
// program's texts hold them: a surrogate pair is one.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <functional>
#include <limits>

namespace platform {

qsizetype character_count(QStringView text);

struct CharacterLimit {
    qsizetype characters = std::numeric_limits<qsizetype>::max();
    // Characters of the text last set by code.
    qsizetype set_by_code = 0;
    // Called after an edit was refused.
    std::function<void()> refused;

    // Whether the text may become `after`.
    bool takes(QStringView after) const;
    // Whether an edit that takes `removed` out of `before` and puts
    // `inserted` in is taken.
    bool takes(QStringView before, QStringView removed, QStringView inserted) const;
    // Calls `refused` when there is one.
    void refuse() const;

private:
    qsizetype ceiling() const { return std::max(characters, set_by_code); }
};

class LimitedLineEdit final : public QLineEdit {
public:
    LimitedLineEdit();
    Q_DISABLE_COPY_MOVE(LimitedLineEdit)

    CharacterLimit limit;
    void set_text_by_code(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Guard;
    Guard* guard_;
};

class LimitedPlainTextEdit final : public QPlainTextEdit {
public:
    LimitedPlainTextEdit() = default;
    Q_DISABLE_COPY_MOVE(LimitedPlainTextEdit)

    CharacterLimit limit;
    void set_text_by_code(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Whether `inserted` may replace the selection; refuses it when not.
    bool TakesInsert(QStringView inserted);
};

}  // namespace platform
